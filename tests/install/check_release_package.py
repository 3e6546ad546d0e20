#!/usr/bin/env python3
"""Checks the Debian package of a Release build as a distribution would take it: lintian, the
hardening of the installed executable, and, when run as root, installing, starting and removing
the package on this machine.

usage: check_release_package.py RELEASE_BUILD_DIR VERSION
"""
import fcntl
import glob
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

from harness import check, finish, scratch_env

def run(args, **kw):
    return subprocess.run(args, capture_output=True, text=True, **kw)


def dpkg(*args):
    """dpkg, waiting while another installation (apt-get on the same machine) holds its lock."""
    deadline = time.monotonic() + 300
    while True:
        r = run(["dpkg"] + list(args))
        if r.returncode == 0 or "lock" not in r.stderr or time.monotonic() > deadline:
            return r
        time.sleep(2)


def package_state():
    """The last word of dpkg's status of lunavik: installed, config-files, not-installed..."""
    status = run(["dpkg-query", "-W", "-f=${Status}", "lunavik"]).stdout.split()
    return status[-1] if status else ""


def lintian(deb):
    r = run(["lintian", "--info", deb])
    # E: errors and W: warnings fail; I: informational tags and N: notes do not.
    bad = [line for line in r.stdout.splitlines() if line[:2] in ("E:", "W:")]
    check(not bad and "E:" not in r.stderr, "lintian:\n" + r.stdout + r.stderr)


def hardening(exe, build_dir):
    header = run(["readelf", "-hW", exe]).stdout
    check("DYN" in header, "not a position-independent executable:\n" + header)
    segments = run(["readelf", "-lW", exe]).stdout
    check("GNU_RELRO" in segments, "no RELRO segment")
    dynamic = run(["readelf", "-dW", exe]).stdout
    check("BIND_NOW" in dynamic or "Flags: NOW" in dynamic, "not linked with -z now (BIND_NOW)")
    symbols = set(run(["nm", "-D", "--undefined-only", exe]).stdout.split())
    names = {s.split("@")[0] for s in symbols}
    check("__stack_chk_fail" in names, "no stack protector (__stack_chk_fail not used)")
    fortified = sorted(n for n in names if n.startswith("__") and n.endswith("_chk")
                       and n != "__stack_chk_fail")
    # As Debian's hardening-check judges it: calls whose buffer size the compiler cannot see
    # (memcpy inlined from Qt's containers) stay plain even when fortified.
    check(fortified, "no fortified C library calls (__*_chk): built without _FORTIFY_SOURCE?")
    if os.uname().machine == "x86_64":
        code = run(["objdump", "-d", "--no-show-raw-insn", exe]).stdout
        check("endbr64" in code, "no control-flow protection (no endbr64 in the code)")
    # Stack clash probes leave no mark a binary check can find: the flags the build compiled
    # every file with say it.
    commands = json.load(open(os.path.join(build_dir, "compile_commands.json")))
    for flag in ("-fstack-clash-protection", "-fcf-protection", "-D_FORTIFY_SOURCE=2",
                 "-fstack-protector-strong"):
        missing = [c["file"] for c in commands if flag not in c["command"]]
        check(not missing, "%s missing for %d files, %s among them" % (flag, len(missing),
                                                                     missing[:1]))


def install_start_remove(deb, version):
    # Another test run on this machine (a second clone, CI beside a developer) installs the same
    # package: one whole install, start and removal at a time.
    with open("/run/lock/lunavik-package-check", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        install_start_remove_alone(deb, version)


def install_start_remove_alone(deb, version):
    if package_state() not in ("", "not-installed"):
        print("lunavik is installed on this machine already: install check skipped")
        return
    r = dpkg("-i", deb)
    if not check(r.returncode == 0, "dpkg -i:\n" + r.stdout + r.stderr):
        dpkg("--purge", "lunavik")
        return
    home = tempfile.mkdtemp(prefix="lunavik-home-")
    try:
        r = run(["lunavik", "--version"])
        check(r.stdout == "Lunavik %s\n" % version, "installed lunavik --version: %r" % r.stdout)
        env = scratch_env(home, QT_QPA_PLATFORM="offscreen")
        runtime = env["XDG_RUNTIME_DIR"]
        app = subprocess.Popen(["/usr/bin/lunavik"], env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE, text=True)
        # Started: it stays up and takes its lock (and, in a build with the update reminder,
        # writes its first-run setting).
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and app.poll() is None and not os.listdir(runtime):
            time.sleep(0.1)
        if app.poll() is not None:
            check(False, "the installed program ended at once: %r" % (app.communicate(),))
        check(os.listdir(runtime), "the installed program took no lock in its runtime folder")
        app.terminate()
        try:
            app.wait(timeout=10)
        except subprocess.TimeoutExpired:
            app.kill()
            app.wait()
    finally:
        shutil.rmtree(home, ignore_errors=True)
        r = dpkg("--purge", "lunavik")
        check(r.returncode == 0, "dpkg --purge:\n" + r.stdout + r.stderr)
    left = package_state()
    check(left in ("", "not-installed"), "after dpkg --purge the package is %r" % left)
    check(not os.path.exists("/usr/bin/lunavik"), "/usr/bin/lunavik left after removal")


def main():
    build_dir, version = sys.argv[1], sys.argv[2]
    debs = glob.glob(os.path.join(build_dir, "*.deb"))
    if not check(len(debs) == 1, "%s holds %r, expected one .deb" % (build_dir, debs)):
        return
    deb = debs[0]
    lintian(deb)
    root = tempfile.mkdtemp(prefix="lunavik-deb-")
    try:
        subprocess.run(["dpkg-deb", "-x", deb, root], check=True)
        hardening(os.path.join(root, "usr", "bin", "lunavik"), build_dir)
    finally:
        shutil.rmtree(root, ignore_errors=True)
    if os.geteuid() == 0:
        install_start_remove(deb, version)
    else:
        print("not root: installing the package skipped")


if __name__ == "__main__":
    main()
    finish("release package")
