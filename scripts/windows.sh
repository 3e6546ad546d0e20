#!/usr/bin/env bash
# The Windows program, cross-built on Debian:  bash scripts/windows.sh [--test]
#  - installs what it needs (scripts/deps.sh windows);
#  - builds Qt for Windows from Debian's own source once per machine (scripts/windows_qt.sh;
#    the first run takes 25 to 40 minutes on two idle cores, later ones seconds);
#  - cross-builds Lunavik in Release with MinGW-w64 into build-windows/, with its tests;
#  - makes there the installer lunavik-<version>-x64-setup.exe (NSIS), the portable zip and the
#    MSI lunavik-<version>-x64.msi, signed when LUNAVIK_SIGN_CERT and LUNAVIK_SIGN_KEY name a
#    certificate and its key (packaging/windows/sign.sh).
# With --test it then runs, under Wine: the engine, forms, window, shell, promotion, lock and
# settings tests (CTest, on Qt's offscreen platform), the captions' fit on Wine's desktop, and the
# installer with the installed program on a virtual X server of its own
# (tests/windows/installed_program_test.py).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh windows
qt=$(bash scripts/windows_qt.sh)
build=${LUNAVIK_WINDOWS_BUILD:-build-windows}
# The linker and strip stamp each executable and library with a time: the release's day, so
# that every package carries the same files, signed once.
release_date=$(sed -n 's/^set(LUNAVIK_RELEASE_DATE "\(.*\)")$/\1/p' CMakeLists.txt)
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date -u -d "$release_date" +%s)}
# As in scripts/test.sh: another clone's run reuses what this one compiled.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DLUNAVIK_BUILD_TESTS=ON -DLUNAVIK_WERROR=ON -DLUNAVIK_BENCH=ON >/dev/null
cmake --build "$build"

# Signing (docs/windows.md): a --test run signs with a throw-away certificate it makes, never the
# maker's, so that the signing step is tried too.
if [ "${1:-}" = --test ]; then
    signing=$(cd "$build" && pwd)/signing
    mkdir -p "$signing"
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Lunavik test signing" \
        -addext extendedKeyUsage=codeSigning -keyout "$signing/key.pem" \
        -out "$signing/cert.pem" 2>/dev/null
    export LUNAVIK_SIGN_CERT="$signing/cert.pem" LUNAVIK_SIGN_KEY="$signing/key.pem"
    export LUNAVIK_SIGN_NO_TIMESTAMP=1 # nothing to reach offline, and it lives two days
fi
[ -n "${LUNAVIK_SIGN_CERT:-}" ] ||
    echo "Not signed: no LUNAVIK_SIGN_CERT and LUNAVIK_SIGN_KEY given (docs/windows.md, Signing)."

(cd "$build" && cpack -C Release >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
setup="$build/lunavik-$version-x64-setup.exe"
msi="$build/lunavik-$version-x64.msi"
ls -l "$setup" "$build/lunavik-$version-windows-x64.zip" "$msi"
[ "${1:-}" = --test ] || exit 0

# The executable's manifest, version, icon and protections, read with Debian's python3-pefile.
PYTHONPATH=tests/e2e /usr/bin/python3 tests/windows/check_executable.py "$build/src/app/Lunavik.exe"

# A Wine of the build's own, made once: nothing of the user's Wine is read or changed, and no
# menu entries or icons are written into the user's home (winemenubuilder off).
export WINEPREFIX="$PWD/$build/wine" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine brings no Windows fonts: each face Windows and the windows' designs name is drawn by a
# stand-in at least as wide, so a caption cut off on Windows is cut off here too.
faces=("Verdana=DejaVu Sans" "Tahoma=DejaVu Sans" "Arial=Liberation Sans"
    "Microsoft Sans Serif=Liberation Sans" "MS Shell Dlg=Liberation Sans"
    "MS Shell Dlg 2=DejaVu Sans")
prefix_kind=$(printf '%s\n' "${faces[@]}" | sha256sum | cut -c1-12)
if [ "$(cat "$WINEPREFIX/.ready" 2>/dev/null)" != "$prefix_kind" ]; then
    rm -rf "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    for face in "${faces[@]}"; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%=*}" /d "${face#*=}" /f \
            >/dev/null 2>&1
    done
    wineserver -w
    echo "$prefix_kind" >"$WINEPREFIX/.ready"
fi
# The caption-fit checks run on Wine's own desktop, on a virtual X server of their own.
bash scripts/xvfb.sh ctest --test-dir "$build" --output-on-failure --no-tests=error
languages=$(sed -n 's/^LUNAVIK_LANGUAGES:INTERNAL=//p' "$build/CMakeCache.txt")
LUNAVIK_VERSION=$version LUNAVIK_LANGUAGES=$languages PYTHONPATH=tests/e2e \
    bash scripts/xvfb.sh --wm \
    python3 tests/windows/installed_program_test.py "$setup" "$msi" \
    "$build/lunavik-$version-windows-x64.zip"
