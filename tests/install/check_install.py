#!/usr/bin/env python3
"""Installs a build into a throw-away prefix and checks what a desktop needs finds its place.

usage: check_install.py BUILD_DIR VERSION
"""
import configparser
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

from checks import check, finish

ICON_SIZES = (32, 48, 64, 128, 256)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def main():
    build_dir, version = sys.argv[1], sys.argv[2]
    prefix = tempfile.mkdtemp(prefix="lunavik-install-")
    try:
        run = subprocess.run(["cmake", "--install", build_dir, "--prefix", prefix],
                             capture_output=True, text=True, timeout=120)
        if not check(run.returncode == 0, "cmake --install failed:\n" + run.stdout + run.stderr):
            return
        share = os.path.join(prefix, "share")

        exe = os.path.join(prefix, "bin", "lunavik")
        check(os.access(exe, os.X_OK), "bin/lunavik is missing or not executable")

        desktop = os.path.join(share, "applications", "lunavik.desktop")
        if check(os.path.isfile(desktop), "share/applications/lunavik.desktop is missing"):
            entry = configparser.ConfigParser(interpolation=None)
            entry.optionxform = str
            entry.read(desktop, encoding="utf-8")
            d = entry["Desktop Entry"]
            check(d.get("Name") == "Lunavik", "desktop entry Name is %r" % d.get("Name"))
            # The menu starts the installed program by name, so it must be that file in bin.
            exec_name = d.get("Exec", "").split()[0] if d.get("Exec") else ""
            check(exec_name == "lunavik", "desktop entry Exec is %r" % d.get("Exec"))
            icon = d.get("Icon", "")
            for size in ICON_SIZES:
                png = os.path.join(share, "icons", "hicolor", "%dx%d" % (size, size), "apps",
                                   icon + ".png")
                if check(os.path.isfile(png), "icon %s missing at %dx%d" % (icon, size, size)):
                    check(png_size(png) == (size, size),
                          "%s is %s, not %dx%d" % (png, png_size(png), size, size))
            r = subprocess.run(["desktop-file-validate", desktop], capture_output=True, text=True)
            check(r.returncode == 0 and not r.stdout.strip(),
                  "desktop-file-validate on the installed entry:\n" + r.stdout + r.stderr)

        metainfo_dir = os.path.join(share, "metainfo")
        files = os.listdir(metainfo_dir) if os.path.isdir(metainfo_dir) else []
        if check(len(files) == 1, "share/metainfo holds %r, expected one file" % files):
            root = ET.parse(os.path.join(metainfo_dir, files[0])).getroot()
            cid = root.findtext("id")
            check(files[0] == cid + ".metainfo.xml",
                  "metainfo file %s is not named after its id %s" % (files[0], cid))
            check(root.findtext("name") == "Lunavik", "metainfo name is %r" % root.findtext("name"))
            releases = [r.get("version") for r in root.iter("release")]
            check(releases[:1] == [version],
                  "newest metainfo release is %r, the program is %s" % (releases[:1], version))
            launch = root.find("launchable[@type='desktop-id']")
            check(launch is not None and launch.text == "lunavik.desktop",
                  "metainfo launchable does not name lunavik.desktop")
            # Checks the metadata together with the desktop entry it points to.
            r = subprocess.run(["appstreamcli", "validate-tree", "--no-net", prefix],
                               capture_output=True, text=True, timeout=60)
            check(r.returncode == 0, "appstreamcli validate-tree:\n" + r.stdout + r.stderr)
    finally:
        shutil.rmtree(prefix, ignore_errors=True)


if __name__ == "__main__":
    main()
    finish("installed tree")
