#!/usr/bin/env bash
# Builds Qt for Windows from Debian's own qt6-base source, once per machine, and prints the
# folder it is installed in. The build is kept in a cache folder named for the source version,
# the cross compiler's version and every configure argument, so a later run prints that folder
# at once and any change builds anew. First run: about 1,100 compile steps, 25 to 40 minutes on
# two idle cores; about 1.5 GB of disk while it builds, 87 MB once installed. An interrupted
# build resumes where it stopped; two runs at once wait for each other.
# Adds to apt's sources (once): /etc/apt/sources.list.d/lunavik-deb-src.sources, a deb-src
# entry for every Debian suite the deb entries name, so that apt-get source finds qt6-base.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${LUNAVIK_WINDOWS_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/lunavik/windows-qt}
mkdir -p "$cache"

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
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
)
# The source package's version: a binary-only upload gives the binary package another one.
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
compiler=$(x86_64-w64-mingw32-g++-posix --version | head -n1)
# Named for what it is, not for where the clone lies: every clone of a machine shares one build.
key=$(printf '%s\n' "$version" "$compiler" "${options[@]//"$root"/}" |
    cat - "$root/cmake/mingw-w64.cmake" | sha256sum | cut -c1-12)
prefix="$cache/qt-$key"
# The notices, Qt's version and the exact options travel with the build (see the installer's
# THIRD-PARTY-NOTICES.txt).
printf '%s\n' "${options[@]}" | grep -v -e TOOLCHAIN -e HOST_PATH >"$cache/options-$key.txt"

# Qt's own catalogues are the same files on every system; Debian's serve the Windows Qt.
install_catalogues() {
    mkdir -p "$prefix/translations"
    cp /usr/share/qt6/translations/qtbase_*.qm "$prefix/translations/"
}

exec 9>"$cache/lock-$key"
flock 9
if [ -f "$prefix/.built" ]; then
    install_catalogues
    echo "$prefix"
    exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# apt-get source needs deb-src entries for the suites the deb entries already name.
if ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -q '^Sources$'; then
    {
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -f "$f" ] || continue
            awk 'BEGIN { RS = ""; ORS = "\n\n" }
                 /(^|\n)Types:[^\n]*deb/ && /URIs:[^\n]*debian/ {
                     sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$f"
        done
        if [ -f /etc/apt/sources.list ]; then
            sed -n 's/^deb \(.*debian.*\)/deb-src \1/p' /etc/apt/sources.list |
                while read -r _ uri suite components; do
                    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n\n' \
                        "$uri" "$suite" "$components"
                done
        fi
    } | $sudo tee /etc/apt/sources.list.d/lunavik-deb-src.sources >/dev/null
    $sudo apt-get update -qq >&2
fi

work="$cache/work-$key"
mkdir -p "$work"
if [ ! -f "$work/.unpacked" ]; then
    rm -rf "$work"/qt6-base-* "$work"/qt6-base_*
    (cd "$work" && apt-get source -qq "qt6-base=$version" >&2)
    touch "$work/.unpacked"
fi
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
# Qt's licences and the attribution files of what it carries inside, with the licence files
# they name, kept for the notices the Windows packages ship.
python3 - "$source_dir" "$work/attributions" <<'PY'
import json, pathlib, shutil, sys
src, dest = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
def keep(path):
    (dest / path.relative_to(src)).parent.mkdir(parents=True, exist_ok=True)
    shutil.copy(path, dest / path.relative_to(src))
for path in [p for p in src.glob("LICENSE*") if p.is_file()] + list(src.glob("LICENSES/*")):
    keep(path)
for path in src.glob("src/**/qt_attribution.json"):
    keep(path)
    data = json.loads(path.read_text(), strict=False)
    for entry in data if isinstance(data, list) else [data]:
        for name in entry.get("LicenseFiles", []) + [entry.get("LicenseFile", "")]:
            if name and (path.parent / name).is_file():
                keep(path.parent / name)
PY
[ -f "$work/build/build.ninja" ] ||
    cmake -S "$source_dir" -B "$work/build" -G Ninja -DCMAKE_INSTALL_PREFIX="$prefix" \
        "${options[@]}" >&2
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
rm -rf "$prefix/attributions"
cp -r "$work/attributions" "$prefix/attributions"
echo "$version" >"$prefix/source-version.txt"
cp "$cache/options-$key.txt" "$prefix/options.txt"
rm -rf "$work"
install_catalogues
touch "$prefix/.built"
echo "$prefix"
