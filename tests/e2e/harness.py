"""What the tests and the benchmark that run the real program share: failing with a reason or
collecting failed checks, logging, polling, a throw-away home, ending the processes they
started, what /proc says of them, a virtual X server of their own, the run of the steps, and
reading the program through the accessibility interface.

The scripts outside this folder find it through PYTHONPATH, which CTest and the shell scripts
set."""
import os
import signal
import subprocess
import sys
import tempfile
import time
import traceback

SKIP = 77
# The version comes from the build (CMake's project version), through the test's environment.
WINDOW_TITLE = "Lunavik v" + os.environ.get("LUNAVIK_VERSION", "?")

STARTED = time.monotonic()

# What the releases' accessibility stacks name differently by design, and only that, in one
# place: at-spi2-core 2.56 (Debian 13) calls a push button "button", 2.46 (Debian 12) "push
# button". The tests use the older names.
ROLE_NAMES = {"button": "push button"}


def role_of(node):
    role = node.getRoleName()
    return ROLE_NAMES.get(role, role)


class Failure(Exception):
    pass


def log(message):
    print("[%5.1fs] %s" % (time.monotonic() - STARTED, message), flush=True)


def expect(ok, message):
    if not ok:
        raise Failure(message)


failures = []
passed = 0


def check(ok, message):
    """Counts a check that does not stop the run; finish() reports them all."""
    global passed
    if ok:
        passed += 1
    else:
        failures.append(message)
        print("FAIL:", message)
    return ok


def finish(what):
    # The closing line counts the checks the way test runners do.
    if failures:
        print("%d problem(s) in the %s" % (len(failures), what))
    else:
        print(what, "OK")
    print("checks: %d passed, %d failed" % (passed, len(failures)))
    if failures:
        sys.exit(1)


def scratch_env(root, **more):
    """The environment of a program run in a throw-away home below root: its settings, cache
    and lock land there, never in the user's own folders, and nothing of the desktop session
    the test was started from (display, buses, Qt settings) comes through. more adds to it."""
    home, runtime = os.path.join(root, "home"), os.path.join(root, "runtime")
    os.makedirs(home, exist_ok=True)
    os.makedirs(runtime, mode=0o700, exist_ok=True)  # private, as a session's is
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("QT_", "XDG_", "DBUS_", "AT_SPI", "WAYLAND", "DISPLAY",
                                "SESSION_", "DESKTOP_SESSION", "GNOME_", "KDE_"))}
    env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"), LANG="C.UTF-8",
               XDG_CACHE_HOME=os.path.join(home, ".cache"), XDG_RUNTIME_DIR=runtime,
               XDG_DATA_HOME=os.path.join(home, ".local", "share"))
    env.update(more)
    return env


def wait_for(what, probe, timeout=30.0, interval=0.1):
    """Polls probe() until it returns something true; fails naming what was awaited. The limit
    holds on a 2-core machine busy with builds; without one, a wait ends in well under a second."""
    start = time.monotonic()
    deadline = start + timeout
    last_error = None
    while True:
        try:
            value = probe()
            if value:
                if time.monotonic() - start > 2:
                    log("(waited %.1f s for %s)" % (time.monotonic() - start, what))
                return value
        except Exception as e:  # a window vanishing mid-walk is normal while polling
            last_error = e
        if time.monotonic() > deadline:
            detail = " (last error: %r)" % last_error if last_error else ""
            raise Failure("timed out after %.0f s waiting for %s%s" % (timeout, what, detail))
        time.sleep(interval)


def wait_exit(proc, what, timeout=30):
    try:
        return proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        raise Failure("%s did not end within %d s" % (what, timeout))


def kill_group(proc, name):
    """Ends a process this test started, and whatever it started in its own group."""
    if proc is None:
        return
    for sig, grace in ((signal.SIGTERM, 3.0), (signal.SIGKILL, 3.0)):
        try:
            os.killpg(proc.pid, sig)
        except ProcessLookupError:
            return
        try:
            proc.wait(timeout=grace)
            return
        except subprocess.TimeoutExpired:
            continue
    log("could not end %s (pid %d)" % (name, proc.pid))


def window_titles(pid, display):
    """Titles of the process's windows that are mapped on the X server, sorted."""
    env = {"DISPLAY": display}
    # --all: every condition must hold; by default xdotool takes any one of them. Exit status 1
    # just means none.
    found = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid),
                            "--name", "."], env=env, capture_output=True, text=True, timeout=20)
    return sorted(subprocess.run(["xdotool", "getwindowname", w], env=env, text=True,
                                 capture_output=True, timeout=20).stdout.strip()
                  for w in found.stdout.split())


def on_virtual_display():
    """Runs this test again under scripts/xvfb.sh, unless it runs on the X server that script
    made for it already: never on the desktop's own display."""
    if os.environ.get("LUNAVIK_XVFB", "-") != os.environ.get("DISPLAY"):
        script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                              "xvfb.sh")
        os.execvp("bash", ["bash", script, sys.executable] + sys.argv)


def run_steps(steps, diagnose, clean_up):
    """Runs the test's steps; on a failure prints it and what diagnose() shows. Returns the exit
    status: 0 when every step passed, 1 otherwise. clean_up() runs in any case."""
    try:
        expect("LUNAVIK_VERSION" in os.environ, "LUNAVIK_VERSION is not set: CTest sets it to the"
               " version the program was built with, which its captions carry")
        steps()
        log("all steps passed")
        return 0
    except Exception as e:
        if isinstance(e, Failure):
            print("FAIL: %s" % e, flush=True)
        else:
            print("FAIL: the test itself broke:", flush=True)
            traceback.print_exc()
        diagnose()
        return 1
    finally:
        clean_up()


class AtSpi:
    """What a program shows, read through the accessibility interface (AT-SPI). connect() once
    the environment names the buses the program uses."""

    def connect(self):
        try:
            import gi
            gi.require_version("Atspi", "2.0")
            import pyatspi
            from gi.repository import Atspi
        except Exception as e:
            raise Failure("the AT-SPI Python bindings (python3-pyatspi) cannot be loaded with %s:"
                          " %r" % (sys.executable, e))
        # A program that stops answering fails the read within seconds instead of hanging it.
        Atspi.set_timeout(5000, 15000)
        self.pyatspi, self.desktop = pyatspi, pyatspi.Registry.getDesktop(0)

    def application(self, pid):
        for i in range(self.desktop.childCount):
            app = self.desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == pid:
                app.clear_cache()
                return app
        return None

    def windows(self, pid):
        """Top-level windows of the process that are on screen, as (role, name, node)."""
        app = self.application(pid)
        shown = [app.getChildAtIndex(i) for i in range(app.childCount)] if app else []
        return [(role_of(w), w.name, w) for w in shown if w is not None and self.showing(w)]

    def walk(self, node, showing=True, depth=0):
        """The node and what lies under it; with showing, nothing under what is not on screen."""
        yield node
        if depth > 15 or role_of(node) == "list":
            return  # the 151 years of a closed drop-down list are never needed
        if showing and depth > 0 and not self.showing(node):
            return
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                yield from self.walk(child, showing, depth + 1)

    def find(self, root, role=None, name=None, showing=True):
        for node in self.walk(root, showing):
            if role is not None and role_of(node) != role:
                continue
            if name is not None and node.name != name:
                continue
            if not showing or self.showing(node):
                return node
        return None

    def the_window(self, pid, title=WINDOW_TITLE, roles=("frame",), containing=None):
        """A probe for a window of that title (None: any) on screen; with containing, one holding
        a node of that name."""
        def probe():
            for role, name, node in self.windows(pid):
                if role in roles and (title is None or name == title):
                    if containing is None or self.find(node, name=containing) is not None:
                        return node
            return None
        return probe

    def showing(self, node):
        return node.getState().contains(self.pyatspi.STATE_SHOWING)

    def focused(self, node):
        return node.getState().contains(self.pyatspi.STATE_FOCUSED)

    @staticmethod
    def text_of(node):
        t = node.queryText()
        return t.getText(0, t.characterCount)

    def expect_first_line(self, window, box, wanted):
        """The window's text box of that name shows a text that begins with the line wanted."""
        node = self.find(window, role="text", name=box)
        text = wait_for("text in the %s box" % box, lambda: self.text_of(node))
        first = text.replace("\r\n", "\n").split("\n")[0]
        expect(first == wanted, "the %s box begins %r, expected %r" % (box, first, wanted))
        log("%s reads %r" % (box, first))

    def show_windows(self, procs):
        """What each running (process, name) shows through AT-SPI, for a failure report."""
        for proc, name in procs:
            if proc.poll() is not None:
                continue
            try:
                app = self.application(proc.pid)
                if app is None:
                    print("---- %s: not on the accessibility bus ----" % name)
                    continue
                print("---- %s: top-level windows ----" % name)
                for i in range(app.childCount):
                    w = app.getChildAtIndex(i)
                    states = [self.pyatspi.stateToString(st) for st in w.getState().getStates()]
                    print("%s %r [%s]" % (role_of(w), w.name, ", ".join(states)))
                    for node in self.walk(w):
                        if node is not w and node.name:
                            print("    %s %r" % (role_of(node), node.name))
            except Exception as e:
                print("(could not read %s: %r)" % (name, e))


class Sandbox(AtSpi):
    """Programs run in a throw-away home below a folder of their own (env, which the set-up makes
    with scratch_env) and on a D-Bus session of their own, each with its output kept for a
    failure report; read through the accessibility interface on the same display and bus."""

    def __init__(self, prefix):
        self.root = tempfile.mkdtemp(prefix=prefix)
        self.procs = []
        self.env = None

    def start(self, argv, name, **kwargs):
        """Starts a program in a process group of its own; its output, or only its errors when
        the caller takes the output, goes to NAME.log."""
        out = open(os.path.join(self.root, name + ".log"), "w")
        stdout = kwargs.pop("stdout", out)
        proc = subprocess.Popen(argv, env=self.env, stdout=stdout, stdin=subprocess.DEVNULL,
                                stderr=subprocess.STDOUT if stdout is out else out,
                                start_new_session=True, text=True, **kwargs)
        proc.log_path = out.name
        self.procs.append((proc, name))
        log("started %s (pid %d)" % (name, proc.pid))
        return proc

    def start_dbus(self):
        """The session bus, which the reader then joins together with the program's display."""
        dbus = self.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], "dbus",
                          stdout=subprocess.PIPE)
        address = dbus.stdout.readline().strip()
        expect(address, "dbus-daemon printed no bus address; see dbus.log")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        for key in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR", "HOME"):
            if key in self.env:
                os.environ[key] = self.env[key]
            else:
                os.environ.pop(key, None)
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        self.connect()

    def stop(self):
        for proc, name in reversed(self.procs):
            kill_group(proc, name)


def show_outputs(procs):
    """Prints the end of what each (process, name) started with a log_path wrote."""
    for proc, name in procs:
        try:
            text = open(proc.log_path).read().strip()
        except OSError:
            continue
        if text:
            print("---- output of %s ----\n%s" % (name, text[-3000:]))
