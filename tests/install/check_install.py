#!/usr/bin/env python3
"""Installs a build into a throw-away prefix and checks what a desktop needs finds its place.

usage: check_install.py BUILD_DIR VERSION
"""
import configparser
import gzip
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

from harness import check, finish

ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def check_documents(share, version):
    """The manual page renders without a complaint; copyright and changelog are where Debian
    keeps them."""
    page = os.path.join(share, "man", "man1", "lunavik.1.gz")
    if check(os.path.isfile(page), "share/man/man1/lunavik.1.gz is missing"):
        env = dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8", MAN_KEEP_FORMATTING="")
        r = subprocess.run(["man", "--warnings", "-E", "UTF-8", "-l", page], capture_output=True,
                           text=True, env=env, timeout=60)
        check(r.returncode == 0 and not r.stderr.strip(), "man -l %s:\n%s" % (page, r.stderr))
        for heading in ("NAME", "SYNOPSIS", "OPTIONS", "EXIT STATUS", "ENVIRONMENT", "FILES"):
            check("\n" + heading + "\n" in r.stdout, "the manual page has no %s section" % heading)
        for piece in ("--help", "--version", "lunavik.ini", "lunavik.lock",
                      "LUNAVIK_UPDATE_REMINDER", "Lunavik " + version):
            check(piece in r.stdout, "the manual page does not mention %s" % piece)
    doc = os.path.join(share, "doc", "lunavik")
    copyright_file = os.path.join(doc, "copyright")
    if check(os.path.isfile(copyright_file), "share/doc/lunavik/copyright is missing"):
        with open(copyright_file, encoding="utf-8") as f:
            check(f.readline().startswith("Format: https://www.debian.org/doc/packaging-manuals/"
                                          "copyright-format/1.0/"),
                  "the copyright file is not machine-readable")
    changelog = os.path.join(doc, "changelog.gz")
    if check(os.path.isfile(changelog), "share/doc/lunavik/changelog.gz is missing"):
        with gzip.open(changelog, "rt", encoding="utf-8") as f:
            first = f.readline()
        check(first.startswith("lunavik (%s) " % version),
              "the changelog's newest entry is %r, the program is %s" % (first, version))


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
            svg = os.path.join(share, "icons", "hicolor", "scalable", "apps", icon + ".svg")
            if check(os.path.isfile(svg), "scalable icon %s.svg missing" % icon):
                root = ET.parse(svg).getroot()
                check(root.tag.endswith("svg") and root.get("viewBox") == "0 0 256 256",
                      "%s is not a square SVG drawing: %r" % (svg, root.attrib))
            r = subprocess.run(["desktop-file-validate", desktop], capture_output=True, text=True)
            check(r.returncode == 0 and not r.stdout.strip(),
                  "desktop-file-validate on the installed entry:\n" + r.stdout + r.stderr)

        check_documents(share, version)

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
