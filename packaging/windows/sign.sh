#!/bin/sh
# Signs Windows files (executables, the installer, the MSI) in place with Authenticode, and
# verifies each signature, when a certificate is given:
#   LUNAVIK_SIGN_CERT      the code-signing certificate, with its chain (PEM or DER)
#   LUNAVIK_SIGN_KEY       its private key (PEM or DER)
#   LUNAVIK_SIGN_PASSWORD  the key's password, if it has one
#   LUNAVIK_SIGN_TIMESTAMP a time-stamping server's URL, so the signature outlives the
#                          certificate (leave it out for a build that stays offline)
# Without LUNAVIK_SIGN_CERT it changes nothing (scripts/windows.sh says so once).
# Usage: sign.sh FILE...
set -eu
[ -n "${LUNAVIK_SIGN_CERT:-}" ] || exit 0
: "${LUNAVIK_SIGN_KEY:?LUNAVIK_SIGN_CERT is set but LUNAVIK_SIGN_KEY is not}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The chain is checked against the system's authorities and the given certificate itself, so
# a private or test certificate verifies too.
cat /etc/ssl/certs/ca-certificates.crt "$LUNAVIK_SIGN_CERT" >"$work/ca.pem" 2>/dev/null ||
    cp "$LUNAVIK_SIGN_CERT" "$work/ca.pem"
sign() {
    set -- -certs "$LUNAVIK_SIGN_CERT" -key "$LUNAVIK_SIGN_KEY" -h sha256 -n Lunavik \
        -in "$1" -out "$work/signed"
    [ -z "${LUNAVIK_SIGN_PASSWORD:-}" ] || set -- "$@" -pass "$LUNAVIK_SIGN_PASSWORD"
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
