#!/usr/bin/env python3
"""Writes THIRD-PARTY-NOTICES.txt for the Windows packages: for every file shipped beside
Lunavik.exe, what it is, its licence and the licence's full text, and where the exact source of
the Qt build is. Everything is read from where it is recorded, nothing is typed here but the
wording around it: Qt's licences and the attribution files of the libraries Qt carries inside
(kept with the Qt build by scripts/windows_qt.sh), Qt's build configuration (which of those
libraries it compiled in), and Debian's copyright files for the compiler's runtime and Qt's
catalogues.

Usage: notices.py OUTPUT QT_PREFIX QT_VERSION COMPILER NAME=SOURCE...
where NAME is a shipped file's path in the install folder and SOURCE the file it is made from."""
import json
import pathlib
import re
import subprocess
import sys
import textwrap

# What each library Qt carries needs to be inside the shipped modules: "always", the build
# features it comes with ("!" for a feature that must be off), or why it never is in a Windows
# x64 build. The module is the attribution's own QDocModule. An attribution not listed here
# stops the build: a new Qt must be read before it is shipped.
CARRIED = {
    "unicode-character-database": "always", "unicode-cldr": "always", "siphash": "always",
    "blake2": "always", "md4": "always", "md5": "always", "sha1": "always",
    "sha3_endian": "always", "sha3_keccak": "always", "rfc6234": "always", "easing": "always",
    "tinycbor": "cborstreamreader",
    "doubleconversion": "doubleconversion !system_doubleconversion",
    "pcre2": "regularexpression !system_pcre2",
    "pcre2-sljit": "regularexpression !system_pcre2",
    "zlib": "!system_zlib",
    "grayraster": "always", "smooth-scaling-algorithm": "always", "xserverhelper": "always",
    "aglfn": "always", "icc-sRGB-color-profile": "always",
    "freetype": "freetype !system_freetype", "freetype-zlib": "freetype !system_freetype",
    "freetype-bdf": "freetype !system_freetype", "freetype-pcf": "freetype !system_freetype",
    "harfbuzz-ng": "harfbuzz !system_harfbuzz",
    "libpng": "png !system_png",
    "md4c": "textmarkdownreader !system_textmarkdownreader",
    "opengl-headers": "opengl", "opengl-es2-headers": "opengl",
    "VulkanMemoryAllocator": "vulkan", "vulkan-xml-spec": "vulkan",
    "libjpeg": "never: only in the JPEG image plugin, which is not shipped",
    "forkfd": "never: Unix only", "qeventdispatcher_cf": "never: macOS only",
    "cocoa-platform-plugin": "never: macOS only", "pixman": "never: ARM only",
    "android-native-style": "never: Android only", "android-gradle-wrapper": "never: Android only",
    "vera_font": "never: WebAssembly only", "dejayvu": "never: WebAssembly only",
    "xcb-xinput": "never: X11 only",
}
MODULES = {"qtcore": "Qt6Core.dll", "qtgui": "Qt6Gui.dll", "qtwidgets": "Qt6Widgets.dll"}
# What each kind of Qt file is, for the reader of the list.
QT_FILES = [("Qt6Core.dll", "Qt Core: text, files, settings, events"),
            ("Qt6Gui.dll", "Qt GUI: windows, drawing, fonts, images"),
            ("Qt6Widgets.dll", "Qt Widgets: the controls and dialogs"),
            ("platforms/", "Qt's platform plugin: Qt on Windows"),
            ("styles/", "Qt's style plugin: controls drawn as Windows draws them")]
RULE = "=" * 78


def wrap(text, indent=""):
    return "\n".join(textwrap.fill(p, 78, initial_indent=indent, subsequent_indent=indent)
                     for p in text.split("\n"))


def features(prefix):
    """QT_FEATURE_x as the build's configuration headers define it (1 on, -1 off)."""
    found = {}
    # The build's own configuration headers; qconfig-bootstrapped.h is its build tools'.
    headers = [h for h in prefix.glob("include/**/*config*.h")
               if re.fullmatch(r"q(t\w+-)?config(_p)?\.h", h.name)]
    for header in headers:
        for name, value in re.findall(r"#define QT_FEATURE_(\w+) (-?1)\b", header.read_text()):
            found[name] = value == "1"
    if not found:
        sys.exit("notices.py: no QT_FEATURE_ definitions under %s/include" % prefix)
    return found


def contained(rule, on):
    if rule == "always":
        return True
    if rule.startswith("never"):
        return False
    wanted = [(word.lstrip("!"), not word.startswith("!")) for word in rule.split()]
    for name, value in wanted:
        if name not in on:
            sys.exit("notices.py: Qt's configuration does not say whether %s is on" % name)
    return all(on[name] == value for name, value in wanted)


def attributions(prefix, shipped):
    """(file, entry, licence text) for each library Qt carries inside the shipped modules."""
    on = features(prefix)
    found = []
    for path in sorted((prefix / "attributions").glob("src/**/qt_attribution.json")):
        data = json.loads(path.read_text(), strict=False)
        for entry in data if isinstance(data, list) else [data]:
            module = MODULES.get(entry.get("QDocModule"))
            if module not in shipped:
                continue
            if entry["Id"] not in CARRIED:
                sys.exit("notices.py: %s (%s) is new in this Qt: add to CARRIED whether the "
                         "shipped modules contain it" % (entry["Id"], path))
            if not contained(CARRIED[entry["Id"]], on):
                continue
            names = entry.get("LicenseFiles") or [entry.get("LicenseFile")]
            texts = [(path.parent / n).read_text(errors="replace").strip() for n in names if n]
            found.append((module, entry, "\n\n".join(texts)))
    if not found:
        sys.exit("notices.py: no attribution files under %s/attributions" % prefix)
    return found


def debian_package(path):
    """The Debian package that installed path, its source version and its copyright file."""
    owner = subprocess.run(["dpkg-query", "-S", str(pathlib.Path(path).resolve())],
                           capture_output=True, text=True, check=True).stdout
    package = owner.split(":")[0]
    version = subprocess.run(["dpkg-query", "-W", "-f=${source:Package} ${source:Version}",
                              package], capture_output=True, text=True, check=True).stdout
    return package, version, pathlib.Path("/usr/share/doc", package, "copyright").read_text()


def dep5(copyright_text):
    """Debian's machine-readable copyright file as a list of {field: value} paragraphs."""
    paragraphs = []
    for block in re.split(r"\n\s*\n", copyright_text):
        fields, key = {}, None
        for line in block.splitlines():
            if line[:1] in (" ", "\t") and key:
                fields[key] += "\n" + ("" if line.strip() == "." else line.strip())
            elif ":" in line:
                key, value = line.split(":", 1)
                fields[key] = value.strip()
        paragraphs.append(fields)
    return paragraphs


def dep5_section(copyright_text, folder, skip):
    """The copyright and licence paragraphs of Debian's file for the files under folder."""
    paragraphs = dep5(copyright_text)
    texts = {p["License"].split("\n")[0]: p["License"] for p in paragraphs
             if "License" in p and "Files" not in p}
    out, licences = [], []
    for p in paragraphs:
        files = p.get("Files", "").split()
        if not any(f.startswith(folder) and skip not in f for f in files):
            continue
        name, _, inline = p["License"].partition("\n")
        out.append("Files: %s\nCopyright: %s\nLicence: %s" % (
            " ".join(files), p.get("Copyright", "").replace("\n", "\n           "), name))
        text = inline or texts.get(name, "")
        if not text:
            sys.exit("notices.py: Debian's copyright file has no text for %s" % name)
        if (name, text) not in licences:
            licences.append((name, text))
    return out, licences


def gcc_exception(copyright_text):
    match = re.search(r"GCC RUNTIME LIBRARY EXCEPTION\n.*?the license of GCC\.\n",
                      copyright_text, re.S)
    if not match:
        sys.exit("notices.py: the GCC Runtime Library Exception is not in Debian's gcc file")
    return match.group(0).strip()


def gcc_copyright(copyright_text):
    match = re.search(r"GCC is (Copyright \(C\) .*?Inc\.)", copyright_text, re.S)
    if not match:
        sys.exit("notices.py: GCC's copyright line is not in Debian's gcc file")
    return " ".join(match.group(1).split())


def main():
    output, prefix, qt_version, compiler = sys.argv[1], pathlib.Path(sys.argv[2]), *sys.argv[3:5]
    files = dict(arg.split("=", 1) for arg in sys.argv[5:])
    qt_files = [n for n, s in files.items() if s.startswith(str(prefix)) and
                not n.endswith(".qm")]
    catalogues = [n for n in files if n.endswith(".qm")]
    runtime = [n for n in files if n not in qt_files and n not in catalogues]
    source_version = (prefix / "source-version.txt").read_text().strip()
    options = (prefix / "options.txt").read_text().split()
    licences = prefix / "attributions" / "LICENSES"
    sections, texts = [], []

    def licence_text(title, body):
        texts.append("%s\n%s\n\n%s\n" % (RULE, wrap(title), body.strip()))

    def what(name):
        return next(text for start, text in QT_FILES if name.startswith(start))
    sections.append(
        "Qt %s, The Qt Company Ltd. and other contributors\n%s\n" % (qt_version, "".join(
            "  %s: %s\n" % (n.replace("/", "\\"), what(n)) for n in sorted(qt_files))) +
        wrap("Qt is offered under the GNU Lesser General Public License version 3 (LGPL-3.0), "
             "among other licences; Lunavik uses it under the LGPL-3.0, whose text follows "
             "below with the GNU General Public License version 3 (GPL-3.0) it builds on. "
             "Lunavik uses these files unmodified, as separate libraries: you may replace them "
             "with your own build of the same Qt version.", "  ") + "\n\n" +
        wrap("The exact source: Debian's qt6-base source package, version %s, unmodified "
             "(on Debian: apt-get source qt6-base=%s; archived at "
             "https://snapshot.debian.org/package/qt6-base/%s/), cross-built with the MinGW-w64 "
             "compiler %s and these CMake options:" % (
                 source_version, source_version, source_version.replace("+", "%2B"), compiler),
             "  ") + "\n" + "".join("    %s\n" % o for o in options) + "\n" +
        wrap("Qt carries inside these files the libraries listed in the next section, each "
             "under its own licence.", "  "))
    licence_text("GNU Lesser General Public License version 3 (for Qt)",
                 (licences / "LGPL-3.0-only.txt").read_text())
    licence_text("GNU General Public License version 3 (the base of the LGPL-3.0, and the "
                 "licence of the compiler's runtime)", (licences / "GPL-3.0-only.txt").read_text())

    if catalogues:
        package, version, copyright_text = debian_package(
            "/usr/share/qt6/translations/" + pathlib.Path(catalogues[0]).name)
        parts, found = dep5_section(copyright_text, "*", "debian/")
        sections.append(
            wrap("Qt's catalogues (the texts of Qt's own buttons and dialogs), from Debian's "
                 "%s package (source %s)" % (package, version)) + "\n  %s\n" % "\n  ".join(
                n.replace("/", "\\") for n in sorted(catalogues)) +
            "".join(wrap(p, "  ") + "\n" for p in parts))
        for name, text in found:
            licence_text("%s (for Qt's catalogues)" % name, text)

    gcc = sorted(d for d in runtime if "winpthread" not in d)
    for dll in sorted(set(runtime) - set(gcc)):
        package, version, copyright_text = debian_package(files[dll])
        parts, found = dep5_section(copyright_text, "mingw-w64-libraries/winpthreads/", "tests")
        sections.append(
            wrap("%s: winpthreads, the POSIX threads library of MinGW-w64, from Debian's %s "
                 "package (source %s)" % (dll, package, version)) + "\n" +
            "".join(wrap(p, "  ") + "\n" for p in parts))
        for name, text in found:
            licence_text("%s (for %s)" % (name, dll), text)
    if gcc:
        package, version, copyright_text = debian_package(files[gcc[0]])
        sections.append(wrap(
            "%s: the runtime libraries of the GNU Compiler Collection (GCC) that Lunavik and Qt "
            "were compiled with, from Debian's %s package (source %s). %s Licence: GPL-3.0 or "
            "later with the GCC Runtime Library Exception version 3.1; both texts follow "
            "below." % (", ".join(gcc), package, version, gcc_copyright(copyright_text))) + "\n")
        licence_text("GCC Runtime Library Exception (for %s)" % ", ".join(gcc),
                     gcc_exception(copyright_text))

    carried = attributions(prefix, qt_files)
    inside = "\n".join(
        "%s\n%s, in %s\n%s\n%s\n%s\n\n%s\n" % (
            RULE, wrap(" ".join([entry["Name"], entry.get("Version", "")]).strip()), module,
            wrap(entry.get("QtUsage", "")),
            ("Homepage: %s\n" % entry["Homepage"] if entry.get("Homepage") else "") +
            "Copyright: %s" % entry.get("Copyright", "").strip(),
            "Licence: %s" % (entry.get("LicenseId") or entry.get("License", "")), text or
            "(no licence text: %s)" % entry.get("License", "none given"))
        for module, entry, text in carried)

    head = ("Lunavik: third-party notices\n\n" + wrap(
        "Lunavik is proprietary software. The files below are installed with it and are "
        "not Lunavik's own; each is given under its own licence, which allows its "
        "distribution with Lunavik. For each: what it is, its licence, and where its source "
        "is; the full text of every licence follows.") + "\n")
    document = "\n".join([
        head, RULE, "1. The files", RULE,
        "\n".join(section.rstrip("\n") + "\n" for section in sections),
        RULE, "2. Libraries Qt carries inside its files (from Qt's attribution files)",
        inside, RULE, "3. Licence texts", "\n".join(texts)])
    # Notepad and every Windows editor read CR LF.
    pathlib.Path(output).write_bytes(document.replace("\n", "\r\n").encode("utf-8"))


main()
