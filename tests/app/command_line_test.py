#!/usr/bin/env python3
"""Starts the built executable with each kind of command line and without a display.

Every run gets an environment without any display, a fresh home and runtime folder: a run that
went on to open its windows would fail on the display or hang, and would leave its setting or
its lock behind.

usage: command_line_test.py EXECUTABLE VERSION
"""
import os
import shutil
import subprocess
import sys
import tempfile

from harness import check, finish, scratch_env

EXE, VERSION = sys.argv[1], sys.argv[2]


def run(args, **env):
    root = tempfile.mkdtemp(prefix="lunavik-cli-")
    try:
        base = scratch_env(root, **{"LC_ALL": "C.UTF-8", **env})
        try:
            p = subprocess.run([EXE] + args, capture_output=True, text=True, env=base, timeout=20)
        except subprocess.TimeoutExpired:
            return None
        left = sorted(os.path.relpath(os.path.join(d, f), root)
                      for d, _, files in os.walk(root) for f in files)
        return p, left
    finally:
        shutil.rmtree(root, ignore_errors=True)


def expect(name, args, status, out=None, err=None, **env):
    """out and err: a list of texts the stream must contain, [] for an empty stream."""
    result = run(args, **env)
    if result is None:
        check(False, "%s: still running after 20 s (did it open its windows?)" % name)
        return ""
    p, left = result
    check(p.returncode == status, "%s: exit status %d, expected %d (stderr %r)"
          % (name, p.returncode, status, p.stderr))
    for stream, wanted, text in (("stdout", out, p.stdout), ("stderr", err, p.stderr)):
        if wanted == []:
            check(text == "", "%s: %s should be empty, is %r" % (name, stream, text))
        for piece in wanted or ():
            check(piece in text, "%s: %s lacks %r: %r" % (name, stream, piece, text))
    if err:
        check(len(p.stderr.splitlines()) == 1, "%s: not one line on stderr: %r" % (name, p.stderr))
    check(not left, "%s: left files behind: %r" % (name, left))
    return p.stdout


usage = ["Usage:", "-h, --help", "-v, --version"]
for flag in ("--help", "-h"):
    text = expect(flag, [flag], 0, out=usage, err=[])
    # Qt's own options (-platform, -style...) are accepted but stay out of the help.
    check("platform" not in text, "%s lists Qt's own options: %r" % (flag, text))
for args in (["--version"], ["-v"], ["-platform", "offscreen", "--version"]):
    text = expect(" ".join(args), args, 0, err=[])
    check(text == "Lunavik %s\n" % VERSION, "%s prints %r" % (" ".join(args), text))

expect("unknown long option", ["--frobnicate"], 1, out=[], err=["'--frobnicate'", "--help"])
expect("unknown short option", ["-x"], 1, out=[], err=["'-x'", "--help"])
expect("a file name", ["notes.txt"], 1, out=[], err=["notes.txt"])
# Help wins over the display: it must work on a server without one.
expect("help before the display check", ["--help"], 0, out=usage, err=[], QT_QPA_PLATFORM="xcb")

# A German desktop: the help, Qt's parts of it and the refusals speak German.
german = dict(LC_ALL="", LANGUAGE="", LANG="de_DE.UTF-8")
expect("help in German", ["--help"], 0, out=["Aufruf: lunavik [Optionen]", "Diese Hilfe"], err=[],
       **german)
expect("no display in German", [], 1, out=[], err=["keine Anzeige", "xvfb-run"], **german)
expect("unknown option in German", ["--hilfe"], 1, out=[], err=["»--hilfe«", "»lunavik --help«"],
       **german)
# As with gettext, a C messages locale stays English whatever LANGUAGE asks; a language the
# program does not speak is passed over for the next one.
expect("C locale and LANGUAGE", ["--help"], 0, out=usage, err=[], LANGUAGE="de")
expect("unknown language first", ["--help"], 0, out=["Aufruf:"], err=[],
       LC_ALL="", LC_MESSAGES="", LANG="en_US.UTF-8", LANGUAGE="ja:de")

# Each line names what is really missing, or set and unreachable.
both = "no display found (DISPLAY and WAYLAND_DISPLAY are not set)"
expect("no display", [], 1, out=[], err=[both, "xvfb-run lunavik"])
expect("X11 asked for, only Wayland there", [], 1, out=[], WAYLAND_DISPLAY="wayland-test",
       QT_QPA_PLATFORM="xcb", err=["(DISPLAY is not set)", "xvfb-run lunavik -platform xcb"])
expect("Wayland asked for, only X11 there", [], 1, out=[], err=["(WAYLAND_DISPLAY is not set)"],
       QT_QPA_PLATFORM="wayland", DISPLAY=":99")
expect("-platform xcb without X11", ["-platform", "xcb"], 1, out=[], err=["(DISPLAY is not set)"])
expect("neither asked-for platform there", [], 1, out=[], err=[both], QT_QPA_PLATFORM="xcb;wayland")

gone = next(":%d" % n for n in range(99, 999) if not os.path.exists("/tmp/.X11-unix/X%d" % n))
expect("X11 display not there", [], 1, out=[], err=["display %s;" % gone, "xvfb-run"], DISPLAY=gone)
expect("X11 display gone, German", [], 1, out=[], err=[gone, "Anzeige"], DISPLAY=gone, **german)
expect("Wayland display not there", [], 1, out=[], err=["display wayland-9;", "xvfb-run"],
       WAYLAND_DISPLAY="wayland-9")
expect("both displays not there", [], 1, out=[], err=["displays %s and wl-9;" % gone],
       DISPLAY=gone, WAYLAND_DISPLAY="wl-9")
expect("platform plugin not installed", [], 1, out=[],
       err=["'nosuchplugin'", "xvfb-run lunavik -platform xcb"], QT_QPA_PLATFORM="nosuchplugin")
expect("two plugins missing, German on an English locale", [], 1, out=[],
       err=["Plattform-Plugins »nosuch« und »nothere« ließen", "Lunavik"],
       QT_QPA_PLATFORM="nosuch;nothere",
       LANGUAGE="de", LC_ALL="", LC_MESSAGES="", LANG="en_US.UTF-8")

finish("command line")
