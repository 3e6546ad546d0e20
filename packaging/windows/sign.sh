#!/bin/sh
# Signs Windows files (executables, libraries, the installer, the MSI) in place with
# Authenticode (SHA-256), and verifies each signature, when a certificate is given:
#   LUNAVIK_SIGN_CERT      the code-signing certificate, with its chain (PEM or DER)
#   LUNAVIK_SIGN_KEY       its private key: a file (PEM or DER), or, for a key on a hardware token
#                          or an HSM, its PKCS#11 URI ("pkcs11:...")
#   LUNAVIK_SIGN_PKCS11_MODULE  with a PKCS#11 URI: the token's module (a .so file)
#   LUNAVIK_SIGN_PASSWORD  the key's password or the token's PIN, if it has one; it reaches
#                          osslsigncode through a private file, never its command line
#   LUNAVIK_SIGN_TIMESTAMP a time-stamping server's URL, so the signature outlives the
#                          certificate; required, unless LUNAVIK_SIGN_NO_TIMESTAMP=1 says that
#                          this build's signatures need not outlive it (a test's)
# Without LUNAVIK_SIGN_CERT it changes nothing (scripts/windows.sh says so once).
# Usage: sign.sh FILE...
set -eu
[ -n "${LUNAVIK_SIGN_CERT:-}" ] || exit 0
: "${LUNAVIK_SIGN_KEY:?LUNAVIK_SIGN_CERT is set but LUNAVIK_SIGN_KEY is not}"
if [ -z "${LUNAVIK_SIGN_TIMESTAMP:-}" ] && [ "${LUNAVIK_SIGN_NO_TIMESTAMP:-}" != 1 ]; then
    echo "sign.sh: no LUNAVIK_SIGN_TIMESTAMP: a signature without a time stamp ends with the" \
        "certificate (LUNAVIK_SIGN_NO_TIMESTAMP=1 signs without one all the same)" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -n "${LUNAVIK_SIGN_PASSWORD:-}" ]; then
    (umask 077 && printf '%s' "$LUNAVIK_SIGN_PASSWORD" >"$work/pass")
fi
# The chain is checked against the system's authorities and the given certificate itself, so
# a private or test certificate verifies too.
cat /etc/ssl/certs/ca-certificates.crt "$LUNAVIK_SIGN_CERT" >"$work/ca.pem" 2>/dev/null ||
    cp "$LUNAVIK_SIGN_CERT" "$work/ca.pem"
sign() {
    set -- -certs "$LUNAVIK_SIGN_CERT" -key "$LUNAVIK_SIGN_KEY" -h sha256 -n Lunavik \
        -in "$1" -out "$work/signed"
    case $LUNAVIK_SIGN_KEY in pkcs11:*)
        set -- "$@" -pkcs11module "${LUNAVIK_SIGN_PKCS11_MODULE:?a PKCS#11 key needs its module}"
    esac
    [ -z "${LUNAVIK_SIGN_PASSWORD:-}" ] || set -- "$@" -readpass "$work/pass"
    [ -z "${LUNAVIK_SIGN_TIMESTAMP:-}" ] || set -- "$@" -ts "$LUNAVIK_SIGN_TIMESTAMP"
    rm -f "$work/signed"
    osslsigncode sign "$@" >"$work/log" 2>&1
}
for file in "$@"; do
    sign "$file" || { cat "$work/log" >&2; echo "sign.sh: signing $file failed" >&2; exit 1; }
    osslsigncode verify -CAfile "$work/ca.pem" -in "$work/signed" >"$work/log" 2>&1 ||
        { cat "$work/log" >&2; echo "sign.sh: the signature of $file does not verify" >&2; exit 1; }
    # Only the bytes change: the file keeps its name and permissions.
    cat "$work/signed" >"$file"
    echo "Signed and verified: $(basename "$file")"
done
