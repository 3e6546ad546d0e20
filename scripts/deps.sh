#!/usr/bin/env bash
# Installs with apt-get what Lunavik needs on Debian, skipping what is already there.
#   deps.sh run      building and running the program (scripts/run.sh)
#   deps.sh package  that, and building the Debian package (scripts/package.sh)
#   deps.sh test     all of it, and the test, check and fuzz tools (scripts/test.sh)
#   deps.sh windows  building the program, and cross-building and testing it for Windows
#                    (scripts/windows.sh)
# Each set is a plain list; a package goes into the first set that needs it.
set -euo pipefail
set_name=${1:-test}

run=(
    # build
    cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev
    # the catalogues: lupdate and lrelease, Qt's CMake support for them, Qt's own translations
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    # showing the windows: the X11 platform plugin and the fonts the layouts are measured with
    qt6-qpa-plugins fonts-liberation2 fonts-dejavu-core
    # a virtual display and its screenshot when there is no real one
    xvfb xauth imagemagick xdotool
)
package=(
    dpkg-dev file
)
test=(
    # the sanitized build: the release's default clang, its sanitizer runtime and the symbolizer
    # that runtime names (llvm-symbolizer-<version>, in llvm-<version>); unversioned names, so
    # that Debian 12 (clang 14) and Debian 13 (clang 19) each take their own
    libgtest-dev libgmock-dev clang libclang-rt-dev llvm
    # the locales the tests start the program in (generated below), and the lock test's private
    # mount namespace
    locales mount
    # compiled objects kept between runs and clones, and a faster linker for the test build
    ccache lld
    # the icon's scalable rendering (tools/render_icon)
    qt6-svg-dev
    # the end-to-end test: X tools, and the windows read through the accessibility bus
    x11-apps x11-utils python3 python3-pyatspi at-spi2-core dbus-daemon dbus-x11
    # the screen reader the end-to-end test listens to (it records speech without a synthesizer)
    orca
    # checking the desktop entry, the AppStream metadata, the manual page and the package
    desktop-file-utils appstream man-db lintian
    # the same flows on Wayland: a headless compositor and Qt's Wayland platform plugin
    weston qt6-wayland
    # a window manager, so window placement is tested with real frames
    openbox
)

windows=(
    # the cross compiler, the installer compiler, and Windows itself for the tests
    g++-mingw-w64-x86-64-posix nsis zip wine wine64
    # reading the clipboard the installed program fills, in its test
    xclip openbox python3
    # Qt's source, as Debian builds it (apt-get source), and GoogleTest's, for the tests
    dpkg-dev googletest
    # the MSI (WiX sources), signing (and the tests' throw-away certificate), and reading the
    # built executable's headers and resources
    wixl osslsigncode openssl python3-pefile
)

case "$set_name" in
    run) packages=("${run[@]}") ;;
    package) packages=("${run[@]}" "${package[@]}") ;;
    test) packages=("${run[@]}" "${package[@]}" "${test[@]}") ;;
    windows) packages=("${run[@]}" "${windows[@]}") ;;
    *) echo "usage: $0 [run|package|test|windows]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

# The tests run the program in each language's own locale; a fresh machine has only C.UTF-8,
# and Qt warns on standard error about a locale the system lacks.
if [ "$set_name" = test ]; then
    wanted=()
    # English, and each catalogue's language as the build names its locale (de_DE, pt_BR).
    catalogues=$(ls "$(dirname "$0")/../translations" | sed -n 's/^lunavik_\(.*\)\.ts$/\1/p')
    for language in en_US $catalogues; do
        locale=$language
        [[ $language == *_* ]] || locale=${language}_${language^^}
        locale -a 2>/dev/null | grep -qx "$locale.utf8" || wanted+=("$locale.UTF-8 UTF-8")
    done
    if [ ${#wanted[@]} -gt 0 ]; then
        echo "Generating the locales: ${wanted[*]}"
        printf '%s\n' "${wanted[@]}" | $sudo tee -a /etc/locale.gen >/dev/null
        $sudo locale-gen >/dev/null
    fi
fi
