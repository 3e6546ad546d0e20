#!/usr/bin/env bash
# Runs a command from this clone inside a fresh root of another Debian release:
#   bash scripts/in-debian.sh trixie -- bash scripts/test.sh
# The root is made once per machine with mmdebstrap from Debian's archive (about 100 MB; the
# test command's packages then add about 2 GB) and kept, with its compiler cache, for later
# runs; LUNAVIK_FRESH_ROOT=1 makes it anew. Inside, the clone sits at the path it has here, so
# the command's relative paths and its compiler cache work as they do outside. The command runs
# as root in a mount namespace of its own: the root's /proc, /sys, /dev and a private /tmp and
# /run, which the lock's test (a mount namespace of its own) and the screen reader's bus need.
# Needs root (apt-get, mounts); it uses sudo otherwise.
set -euo pipefail
[ $# -ge 3 ] && [ "$2" = -- ] || { echo "usage: $0 RELEASE -- COMMAND..." >&2; exit 2; }
release=$1
shift 2
clone=$(cd "$(dirname "$0")/.." && pwd)
if [ "$(id -u)" -ne 0 ]; then exec sudo --preserve-env=LUNAVIK_FRESH_ROOT,LUNAVIK_ROOTS \
    bash "$0" "$release" -- "$@"; fi
roots=${LUNAVIK_ROOTS:-${XDG_CACHE_HOME:-$HOME/.cache}/lunavik/debian}
root=$roots/$release

mkdir -p "$roots"
exec 9>"$roots/$release.lock"
flock 9 # two runs for one release take turns
if [ "${LUNAVIK_FRESH_ROOT:-}" = 1 ] || [ ! -e "$root/.ready" ]; then
    command -v mmdebstrap >/dev/null || {
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap
    }
    rm -rf "$root"
    archive=http://deb.debian.org/debian
    mmdebstrap --quiet --variant=apt --include=ca-certificates "$release" "$root" \
        "deb $archive $release main" "deb $archive $release-updates main" \
        "deb $archive-security $release-security main"
    touch "$root/.ready"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

# The mounts live and die with the namespace: nothing is left mounted here afterwards.
exec unshare --mount --propagation private bash -s -- "$root" "$release" "$clone" "$@" <<'EOF'
set -euo pipefail
root=$1 release=$2 clone=$3
shift 3
# The root a mount of its own, as a system's root is: what runs inside may then make mount
# namespaces of its own (the screen reader's private /proc).
mount --bind "$root" "$root"
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --rbind /dev "$root/dev"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
mount -t tmpfs -o mode=755 tmpfs "$root/run"
install -d -m 1777 "$root/run/lock" # as a booted system has it
mkdir -p "$root$clone"
mount --bind "$clone" "$root$clone"
exec chroot "$root" /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin \
    HOME=/root TERM="${TERM:-dumb}" CI="${CI:-}" LANG=C.UTF-8 \
    LUNAVIK_BUILD="build-$release" LUNAVIK_ASAN_BUILD="build-$release-asan" \
    LUNAVIK_RELEASE_BUILD="build-$release-release" \
    LUNAVIK_WINDOWS_BUILD="build-$release-windows" \
    bash -c 'cd "$0" && exec "$@"' "$clone" "$@"
EOF
