#!/usr/bin/env bash
# Builds Qt for Windows from Debian's own qt6-base source, once per machine, and prints the
# folder it is installed in. The build is kept in a cache folder named for the source version
# and the options below, so a later run prints that folder at once; a changed version or
# option builds anew. First run: about 1,060 compile steps, 25 to 40 minutes on two cores.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${LUNAVIK_WINDOWS_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/lunavik/windows-qt}

# Only what the program and its tests use. Debian's source has no Wacom header, so tablet
# events go; with OpenGL off, Qt must not try to load it at run time either.
options=(
    -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_dynamicgl=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF
)
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
key=$(printf '%s\n' "$version" "${options[@]}" | cat - "$root/cmake/mingw-w64.cmake" | sha256sum | cut -c1-12)
prefix="$cache/qt-$key"
# Qt's own catalogues are the same files on every system; Debian's serve the Windows Qt.
install_catalogues() {
    mkdir -p "$prefix/translations"
    cp /usr/share/qt6/translations/qtbase_*.qm "$prefix/translations/"
}
if [ -f "$prefix/.built" ]; then
    install_catalogues
    echo "$prefix"
    exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# apt-get source needs a deb-src line for the archive the deb lines already name.
if ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -q '^Sources$'; then
    uris=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n1)
    uris=${uris:-http://deb.debian.org/debian}
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$uris" "$suite" | $sudo tee /etc/apt/sources.list.d/lunavik-deb-src.sources >/dev/null
    $sudo apt-get update -qq >&2
fi

work="$cache/work-$key"
rm -rf "$work"
mkdir -p "$work"
(cd "$work" && apt-get source -qq "qt6-base=$version" >&2)
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >&2
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
rm -rf "$work"
install_catalogues
touch "$prefix/.built"
echo "$prefix"
