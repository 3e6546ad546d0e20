#!/usr/bin/env python3
"""Starts the real program again and again on a virtual X server to try its single-instance lock.

Every start runs without XDG_RUNTIME_DIR, the set-up in which the lock has to find a private
folder of its own, with a shared temporary folder standing in for /tmp. Run as root, the test
also makes a throw-away second user: neither user may block the other, whatever either leaves
behind or plants. A start counts as running when its main window is mapped, and as refused when
its only window is a box titled "Lunavik" (the box's text is read in the end-to-end test).

usage: single_instance_test.py LUNAVIK_EXECUTABLE RACE_SHIM (liblunavik_lock_race_shim.so)
Exit status 0 on success, 1 on a failure, 77 when no virtual X server is installed.
"""
import os
import pwd
import shutil
import signal
import subprocess
import sys
import tempfile

from harness import (SKIP, WINDOW_TITLE, Failure, log, on_virtual_display, run_steps, wait_for,
                     window_titles)

MAIN_TITLE = WINDOW_TITLE
BOX_TITLE = "Lunavik"
RACES = 3


class User:
    def __init__(self, name, uid, gid, home):
        self.name, self.uid, self.gid, self.home = name, uid, gid, home
        self.lock = os.path.join(home, ".cache", "lunavik", "lunavik.lock")

    def own(self, path):
        os.lchown(path, self.uid, self.gid)


class Machine:
    def __init__(self, exe):
        self.root = tempfile.mkdtemp(prefix="lunavik-instance-")
        os.chmod(self.root, 0o755)  # the second user runs the program from here
        self.exe = os.path.join(self.root, "lunavik")
        shutil.copy2(exe, self.exe)
        # Stands in for /tmp: where Qt and the old lock put their shared files.
        self.tmp = os.path.join(self.root, "tmp")
        os.mkdir(self.tmp)
        os.chmod(self.tmp, 0o1777)
        self.display = os.environ["DISPLAY"]
        self.procs = []
        self.made_user = None
        self.mounts = []

    def user(self, name, uid, gid):
        home = os.path.join(self.root, "home-" + name)
        os.mkdir(home, 0o700)
        os.chown(home, uid, gid)
        return User(name, uid, gid, home)

    def second_user(self):
        """A throw-away user, when this test may make one; None otherwise."""
        if os.geteuid() != 0 or shutil.which("useradd") is None:
            return None
        name = "lunavik-t%d" % os.getpid()
        run = subprocess.run(["useradd", "--no-create-home", "--shell", "/usr/sbin/nologin",
                              "--user-group", name], capture_output=True, text=True)
        if run.returncode != 0:
            log("no second user (%s): two-user cases skipped" % run.stderr.strip())
            return None
        self.made_user = name
        entry = pwd.getpwnam(name)
        return self.user(name, entry.pw_uid, entry.pw_gid)

    def launch(self, user, more=()):
        env = {"HOME": user.home, "USER": user.name, "LOGNAME": user.name,
               "PATH": "/usr/bin:/bin", "DISPLAY": self.display, "QT_QPA_PLATFORM": "xcb",
               "TMPDIR": self.tmp, "LANG": "C.UTF-8",
               # No session bus: libdbus would otherwise launch one per start and leave it.
               "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(self.root, "no-bus")}
        env.update((k, v) for k, v in os.environ.items() if k.endswith("SAN_OPTIONS"))
        env.update(more)
        err = tempfile.TemporaryFile(dir=self.root)
        kwargs = {}
        if user.uid != os.geteuid():
            kwargs = {"user": user.uid, "group": user.gid, "extra_groups": []}
        proc = subprocess.Popen([self.exe], env=env, cwd=user.home, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=err, **kwargs)
        proc.err = err
        self.procs.append(proc)
        return proc

    def titles(self, proc):
        return window_titles(proc.pid, self.display)

    def outcome(self, proc):
        """'running', 'refused', or None while the start has not shown anything yet."""
        if proc.poll() is not None:
            raise Failure("pid %d ended by itself with status %r: %s"
                          % (proc.pid, proc.returncode, self.stderr(proc)))
        titles = self.titles(proc)
        if MAIN_TITLE in titles:
            return "running"
        if titles == [BOX_TITLE]:
            return "refused"
        return None

    def start(self, user, wanted, what, more=()):
        """Launches, and waits until the start is as wanted."""
        proc = self.launch(user, more)
        self.expect(proc, wanted, what)
        return proc

    def expect(self, proc, wanted, what):
        got = wait_for(what, lambda: self.outcome(proc))
        if got != wanted:
            raise Failure("%s: the start was %s, expected %s (windows %r)"
                          % (what, got, wanted, self.titles(proc)))

    def stderr(self, proc):
        proc.err.seek(0)
        return proc.err.read().decode(errors="replace").strip()

    def end(self, proc, sig=signal.SIGTERM):
        if proc.poll() is None:
            proc.send_signal(sig)
        try:
            proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
            raise Failure("pid %d did not end on signal %d" % (proc.pid, sig))

    def shutdown(self):
        for proc in self.procs:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
        for folder in self.mounts:
            subprocess.run(["umount", folder])
        if self.made_user:
            run = subprocess.run(["userdel", "--force", self.made_user], capture_output=True, text=True)
            if run.returncode != 0:
                log("could not remove the user %s: %s" % (self.made_user, run.stderr.strip()))
        shutil.rmtree(self.root, ignore_errors=True)


def plant_leftovers(m, owner, victim):
    """What one user can leave in the shared temporary folder against another."""
    # Qt's default runtime folder of the victim, taken first; and the old shared lock path.
    runtime = os.path.join(m.tmp, "runtime-" + victim.name)
    os.makedirs(runtime, exist_ok=True)
    os.chmod(runtime, 0o777)
    owner.own(runtime)
    junk = os.path.join(m.tmp, "lunavik.lock")
    if not os.path.lexists(junk):
        with open(junk, "w") as f:
            f.write("junk\n")
        owner.own(junk)


def two_users(m, a, b):
    plant_leftovers(m, a, b)
    plant_leftovers(m, b, a)
    first_a = m.start(a, "running", a.name + "'s first start")
    first_b = m.start(b, "running", b.name + "'s start while " + a.name + " runs")
    for user, running in ((a, first_a), (b, first_b)):
        m.end(m.start(user, "refused", user.name + "'s second start"))
        # Killed outright, each leaves its lock behind; the other user must not care, and
        # the same user's next start takes it over.
        m.end(running, signal.SIGKILL)
        if not os.path.exists(user.lock):
            raise Failure("no lock left behind by a killed instance at " + user.lock)
    for user in (b, a):
        m.end(m.start(user, "running", user.name + "'s start after kill -9"))
    log("two users: never blocked by each other or by what the other planted")


def leftover_cases(m, user):
    folder = os.path.dirname(user.lock)
    os.makedirs(folder, mode=0o700, exist_ok=True)
    user.own(folder)

    def plant(content, mode=0o644):
        with open(user.lock, "wb") as f:
            f.write(content)
        os.chmod(user.lock, mode)
        user.own(user.lock)

    def symlink():
        os.symlink(user.lock + ".gone", user.lock)
        user.own(user.lock)

    other_host = b"4242\nlunavik\nsome-other-host\n"
    cases = [("mode 000", lambda: plant(other_host, 0)), ("broken symlink", symlink),
             ("owner gone on another host", lambda: plant(other_host)),
             ("junk", lambda: plant(b"\x00\xffjunk\n-1\n")), ("empty", lambda: plant(b""))]
    for name, make in cases:
        make()
        m.end(m.start(user, "running", "%s's start over a leftover lock (%s)" % (user.name, name)))
        if os.path.lexists(user.lock):
            raise Failure("the lock stayed after a normal end (%s)" % name)
    log("leftover locks of %s taken over: %s" % (user.name, ", ".join(c[0] for c in cases)))


def unwritable_home(m, user, other):
    """No runtime folder and a read-only home: the lock moves to runtime-NAME in the TMPDIR, also
    past a cache folder that cannot be written. Where another user made runtime-NAME first, the
    start goes ahead without the lock and says so on one line."""
    home, tmp, planted = (tempfile.mkdtemp(dir=m.root) for _ in range(3))
    list(map(user.own, (home, tmp, planted)))
    taken = os.path.join(planted, "runtime-" + user.name)
    os.symlink(tmp, taken) if other is None else (os.mkdir(taken, 0o700), other.own(taken))
    os.chmod(home, 0o555)
    # Only root can make the user's own 0700 cache folder unwritable: a read-only mount.
    for what in ("a read-only home", "a read-only home and cache folder")[:1 + (other is not None)]:
        if what.endswith("folder"):
            cache = os.path.join(home, ".cache", "lunavik")
            os.makedirs(cache, 0o700)
            list(map(user.own, (os.path.dirname(cache), cache)))
            subprocess.run(["mount", "-o", "bind,ro", home, home], check=True)
            m.mounts.append(home)
        first = m.start(user, "running", "a start with " + what, {"HOME": home, "TMPDIR": tmp})
        again = m.start(user, "refused", "a second start with " + what,
                        {"HOME": home, "TMPDIR": tmp})
        unguarded = m.start(user, "running", "a start with %s, its runtime folder taken" % what,
                            {"HOME": home, "TMPDIR": planted})
        m.expect(first, "running", "the first start, after the others")
        for proc in (again, unguarded, first):
            m.end(proc)
        # The read-only home keeps the settings from being saved, which is told too.
        if m.stderr(unguarded) != ("Lunavik runs without its check for a second copy: it finds "
                                   "no folder that only you can open for its lock file.\n"
                                   "Lunavik cannot save its settings in %s/.config/lunavik/"
                                   "lunavik.ini: it may not write there." % home):
            raise Failure("an unguarded start printed: " + m.stderr(unguarded))


def races(m, user, shim):
    """Two starts at once, held by the shim in the worst order: the first to create the lock
    file waits, before it can lock it, until the other is held up by the guard or has got past
    it. Without the guard both come up, every time."""
    for i in range(RACES):
        held = {"LD_PRELOAD": shim, "LUNAVIK_RACE_LOCK": os.path.realpath(user.lock),
                "LUNAVIK_RACE_MARKS": tempfile.mkdtemp(dir=m.root),
                # A sanitizer's runtime loaded as a library would insist on being loaded first.
                "ASAN_OPTIONS": os.environ.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0"}
        pair = [m.launch(user, held), m.launch(user, held)]
        outcomes = sorted(wait_for("race %d to settle" % i, lambda p=p: m.outcome(p)) for p in pair)
        if outcomes != ["refused", "running"]:
            raise Failure("race %d: the two starts were %r" % (i, outcomes))
        for proc in pair:
            m.end(proc)
    log("%d racing pairs in the worst order: exactly one main window each time" % RACES)


def quiet(m, user):
    proc = m.start(user, "running", "a plain start")
    m.end(proc)
    if m.stderr(proc):
        raise Failure("a plain start without XDG_RUNTIME_DIR printed: " + m.stderr(proc))
    # Only the start holds Qt's messages back: one about the mapped window still gets out.
    proc = m.start(user, "running", "a start logging events",
                   {"QT_LOGGING_RULES": "qt.qpa.events=true"})
    wait_for("Qt's message of the mapped window", lambda: "XCB_MAP_NOTIFY" in m.stderr(proc))
    m.end(proc)
    log("a plain start without XDG_RUNTIME_DIR prints nothing; Qt's later messages get out")


def hostile_settings(m, user):
    """Settings nested 30,000 deep that cannot be set aside (a folder stands where they would go)
    are not read: the main window shows, the start says why, and SIGTERM ends it cleanly."""
    folder = os.path.join(user.home, ".config", "lunavik")
    os.makedirs(os.path.join(folder, "lunavik.ini.damaged", "kept"))
    with open(os.path.join(folder, "lunavik.ini"), "w") as f:
        f.write("[Settings]\njunk=@Variant(%s\\0\\0\\0\\x2\\0\\0\\0\\x7)\n"
                % ("\\0\\0\\0\\x9\\0\\0\\0\\x1" * 30000))
    proc = m.start(user, "running", "a start over deep settings that cannot be set aside")
    m.end(proc)
    if proc.returncode != 0 or "is damaged and cannot be set aside" not in m.stderr(proc):
        raise Failure("over deep settings: status %r, said %r" % (proc.returncode, m.stderr(proc)))
    shutil.rmtree(os.path.join(user.home, ".config"))


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    if shutil.which("xdotool") is None:
        print("SKIP: xdotool is not installed")
        return SKIP
    on_virtual_display()
    m = Machine(sys.argv[1])

    def steps():
        me = pwd.getpwuid(os.geteuid())
        a = m.user(me.pw_name, me.pw_uid, me.pw_gid)
        quiet(m, a)
        hostile_settings(m, a)
        b = m.second_user()
        if b is not None:
            two_users(m, a, b)
        else:
            log("two users: skipped (only root can make a second user)")
        leftover_cases(m, b or a)
        if (b or a).uid != 0:  # root writes anywhere
            unwritable_home(m, b or a, a if b else None)
        races(m, a, os.path.abspath(sys.argv[2]))

    return run_steps(steps, lambda: None, m.shutdown)


if __name__ == "__main__":
    sys.exit(main())
