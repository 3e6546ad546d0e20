#!/usr/bin/env python3
"""Builds the Debian package from a build tree and checks its control data and contents.

usage: check_package.py BUILD_DIR VERSION
"""
import glob
import os
import shutil
import subprocess
import sys
import tempfile

from harness import check, finish


def field(deb, name):
    return subprocess.run(["dpkg-deb", "-f", deb, name], capture_output=True, text=True,
                          check=True).stdout.strip()


def main():
    build_dir, version = sys.argv[1], sys.argv[2]
    out = tempfile.mkdtemp(prefix="lunavik-deb-")
    try:
        run = subprocess.run(["cpack", "-G", "DEB", "--config",
                              os.path.join(build_dir, "CPackConfig.cmake"), "-B", out],
                             capture_output=True, text=True, timeout=240)
        if not check(run.returncode == 0, "cpack failed:\n" + run.stdout + run.stderr):
            return
        debs = glob.glob(os.path.join(out, "*.deb"))
        if not check(len(debs) == 1, "cpack made %r, expected one .deb" % debs):
            return
        deb = debs[0]
        # As a distribution's tools read them.
        expected = {"Package": "lunavik", "Version": version, "Architecture": "amd64",
                    "Section": "utils", "Priority": "optional",
                    "Maintainer": "Orvaneth Softwares <support@orvaneth.example>",
                    "Recommends": "qt6-wayland, fonts-dejavu-core, qt6-translations-l10n"}
        for name, value in expected.items():
            check(field(deb, name) == value, "%s is %r, not %r" % (name, field(deb, name), value))
        summary = field(deb, "Description").splitlines()[0]
        check(summary == "Find your inner dreams number from your full name",
              "Description starts %r" % summary)
        # Without the Qt libraries the program does not start; the windows also need a platform
        # plugin and the fonts their layouts are measured with.
        depends = [d.strip() for d in field(deb, "Depends").split(",")]
        for wanted in ("qt6-qpa-plugins", "fonts-liberation2 | fonts-liberation"):
            check(wanted in depends, "Depends lacks %s: %r" % (wanted, depends))
        for lib in ("libqt6core6", "libqt6gui6", "libqt6widgets6"):
            check(any(d.startswith(lib) for d in depends), "Depends lacks %s: %r" % (lib, depends))

        listing = subprocess.run(["dpkg-deb", "-c", deb], capture_output=True, text=True,
                                 check=True).stdout
        paths = {line.split()[-1] for line in listing.splitlines() if line.strip()}
        for wanted in ("./usr/bin/lunavik", "./usr/share/applications/lunavik.desktop",
                       "./usr/share/icons/hicolor/48x48/apps/lunavik.png",
                       "./usr/share/icons/hicolor/256x256/apps/lunavik.png",
                       "./usr/share/icons/hicolor/scalable/apps/lunavik.svg",
                       "./usr/share/man/man1/lunavik.1.gz", "./usr/share/doc/lunavik/copyright",
                       "./usr/share/doc/lunavik/changelog.gz"):
            check(wanted in paths, "package lacks %s" % wanted)
        check(any(p.startswith("./usr/share/metainfo/") and p.endswith(".metainfo.xml")
                  for p in paths), "package lacks its AppStream metadata")
        # Files outside /usr would clash with the system's own.
        stray = sorted(p for p in paths if not p.startswith("./usr/") and p != "./usr/")
        check(not stray, "package installs outside /usr: %r" % stray)
    finally:
        shutil.rmtree(out, ignore_errors=True)


if __name__ == "__main__":
    main()
    finish("package")
