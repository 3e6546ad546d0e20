#!/usr/bin/env python3
"""Next and Back with a huge first name, through the real program on a virtual X server with the
accessibility bus on, as on a desktop where assistive technology may run.

Usage: huge_name.py PROGRAM [CYCLES [CHARACTERS]]

A name of CHARACTERS letters (default 1,000,000) is put on the clipboard and pasted into the
first-name box with Ctrl+V; then Next and Back are pressed CYCLES times (default 5). Each step is
timed from the key press until the program has gone quiet: its threads together have run less
than a millisecond in the last 300 ms. The time printed is up to the last moment it ran, and the
processor time it used. After each Back the resident memory (VmRSS) is read.

With LUNAVIK_BENCH_FILL=set the name is put in the box through the accessibility interface
(EditableText.SetTextContents, as an assistive tool would) instead of being pasted: Qt keeps an
undo step per pasted character, which a paste adds to the memory; the rest is the same.

Environment: LUNAVIK_BENCH_LISTEN=1 adds a client on the accessibility bus that listens to the
events a screen reader listens to (focus, text, caret, states), so the program's accessibility
bridge has someone to send them to. LUNAVIK_BENCH_NO_ACCESSIBILITY=1 leaves the bridge off, to
tell its share from the rest. A program still busy 20 s after a step is reported as never quiet,
with the share of a core it kept using (a caret that costs a lot per blink does that).
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from harness import AtSpi, Failure, kill_group, on_virtual_display, wait_for  # noqa: E402

QUIET_WINDOW = 0.3  # seconds without work that count as done
QUIET_CPU = 0.001  # seconds of work allowed in that window (timers, the X reader thread)


def cpu_seconds(pid):
    """Processor time of all the process's threads, in seconds (scheduler's nanoseconds)."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except OSError:
            pass
    return total / 1e9


def rss_mib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return 0.0


def until_quiet(pid, started, begin_cpu, timeout=20):
    """Waits until the process is quiet; returns (seconds from started to its last work,
    processor seconds used since begin_cpu), or (None, processor seconds a second) when it is
    still busy after timeout seconds."""
    samples = [(time.monotonic(), begin_cpu)]
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        time.sleep(0.002)
        now, cpu = time.monotonic(), cpu_seconds(pid)
        samples.append((now, cpu))
        # the work done in the last QUIET_WINDOW
        old = [s for s in samples if s[0] <= now - QUIET_WINDOW]
        if old and cpu - old[-1][1] < QUIET_CPU:
            # the last moment the count still moved noticeably
            last = started
            for (t0, c0), (t1, c1) in zip(samples, samples[1:]):
                if c1 - c0 > 0.0002:
                    last = t1
            return last - started, cpu - begin_cpu
    return None, (cpu_seconds(pid) - begin_cpu) / (time.monotonic() - started)


class Session:
    def __init__(self, program):
        self.program = os.path.abspath(program)
        self.root = tempfile.mkdtemp(prefix="lunavik-bench-")
        self.procs = []

    def start(self):
        home = os.path.join(self.root, "home")
        runtime = os.path.join(self.root, "runtime")
        os.makedirs(home)
        os.makedirs(runtime, mode=0o700)
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "XDG_", "DBUS_", "AT_SPI", "WAYLAND", "SESSION_"))}
        env.update({"HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
                    "XDG_RUNTIME_DIR": runtime, "DISPLAY": os.environ["DISPLAY"],
                    "QT_QPA_PLATFORM": "xcb",
                    "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1",
                    "LANG": "C.UTF-8"})
        if os.environ.get("LUNAVIK_BENCH_NO_ACCESSIBILITY"):
            env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")
            env.pop("QT_ACCESSIBILITY")
        dbus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env,
                                start_new_session=True, text=True)
        self.procs.append((dbus, "dbus-daemon"))
        env["DBUS_SESSION_BUS_ADDRESS"] = dbus.stdout.readline().strip()
        self.env = env
        if os.environ.get("LUNAVIK_BENCH_LISTEN"):
            listener = subprocess.Popen(["/usr/bin/python3", "-c", LISTENER], env=env,
                                        start_new_session=True)
            self.procs.append((listener, "listener"))
            time.sleep(2)

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, check=True, capture_output=True,
                              text=True, timeout=30).stdout

    def offer_clipboard(self, text):
        path = os.path.join(self.root, "name.txt")
        with open(path, "w") as f:
            f.write(text)
        owner = subprocess.Popen(["/usr/bin/python3", "-c", CLIPBOARD_OWNER, path], env=self.env,
                                 stdout=subprocess.PIPE, start_new_session=True, text=True)
        self.procs.append((owner, "clipboard owner"))
        if owner.stdout.readline().strip() != "ready":
            raise Failure("the clipboard owner did not start")

    def launch(self):
        self.app = subprocess.Popen([self.program], env=self.env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL, start_new_session=True,
                                    cwd=self.env["HOME"])
        self.procs.append((self.app, "lunavik"))
        caption = subprocess.run([self.program, "--version"], capture_output=True, text=True,
                                 env=self.env).stdout.strip().replace(" ", " v", 1)
        wait_for("the main window", lambda: self.visible(caption), timeout=30)
        until_quiet(self.app.pid, time.monotonic(), cpu_seconds(self.app.pid))
        return caption

    def set_name(self, text):
        """Puts the text in the first-name box through the accessibility interface."""
        for key in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR", "HOME"):
            os.environ[key] = self.env[key]
        atspi = AtSpi()
        atspi.connect()
        pyatspi = atspi.pyatspi
        app = wait_for("the program on the accessibility bus",
                       lambda: atspi.application(self.app.pid))
        box = pyatspi.findDescendant(
            app, lambda n: n.getRoleName() == "text" and n.name == "First Name")
        if box is None:
            raise Failure("no First Name box on the accessibility bus")
        started, cpu = time.monotonic(), cpu_seconds(self.app.pid)
        box.queryEditableText().setTextContents(text)
        return until_quiet(self.app.pid, started, cpu)

    def visible(self, caption):
        run = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid",
                              str(self.app.pid), "--name", "^%s$" % caption], env=self.env,
                             capture_output=True, text=True, timeout=30)
        return run.stdout.split()

    def step(self, *keys):
        started, cpu = time.monotonic(), cpu_seconds(self.app.pid)
        self.xdotool("key", *keys)
        return until_quiet(self.app.pid, started, cpu)

    def close(self):
        for proc, name in reversed(self.procs):
            kill_group(proc, name)
        shutil.rmtree(self.root, ignore_errors=True)


# Serves the name on the clipboard until ended.
CLIPBOARD_OWNER = r"""
import sys, gi
gi.require_version("Gtk", "3.0")
from gi.repository import Gtk, Gdk
text = open(sys.argv[1]).read()
Gtk.Clipboard.get(Gdk.SELECTION_CLIPBOARD).set_text(text, -1)
print("ready", flush=True)
Gtk.main()
"""

# Listens on the accessibility bus as a screen reader does, and drops what it hears.
LISTENER = r"""
import pyatspi
def heard(event):
    pass
pyatspi.Registry.registerEventListener(heard, "focus:", "object:state-changed",
    "object:text-changed", "object:text-caret-moved", "object:text-selection-changed",
    "object:children-changed", "object:property-change", "window:activate")
pyatspi.Registry.start()
"""


def timing(wall, cpu):
    if wall is None:
        return "never quiet (busy %.0f%% of the time)" % (cpu * 100)
    return "%6.3f s (processor %6.3f s)" % (wall, cpu)


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    # On a virtual X server of its own (scripts/xvfb.sh), never on the desktop's display.
    on_virtual_display()
    cycles = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    length = int(sys.argv[3]) if len(sys.argv) > 3 else 1_000_000
    s = Session(sys.argv[1])
    try:
        s.start()
        fill = os.environ.get("LUNAVIK_BENCH_FILL", "paste")
        if fill == "paste":
            s.offer_clipboard("N" * length)
        s.launch()
        print("idle: %.1f MiB" % rss_mib(s.app.pid), flush=True)
        wall, cpu = s.step("ctrl+v") if fill == "paste" else s.set_name("N" * length)
        print("%s %d characters: %s, %.1f MiB"
              % (fill, length, timing(wall, cpu), rss_mib(s.app.pid)), flush=True)
        # A last name, so that Next gets past the checks.
        s.xdotool("key", "Tab", "Tab", "x")
        backs = []
        for i in range(cycles):
            wall, cpu = s.step("alt+n")
            print("next %d: %s, %.1f MiB" % (i + 1, timing(wall, cpu), rss_mib(s.app.pid)),
                  flush=True)
            wall, cpu = s.step("alt+b")
            mib = rss_mib(s.app.pid)
            backs.append((wall, cpu, mib))
            print("back %d: %s, %.1f MiB" % (i + 1, timing(wall, cpu), mib), flush=True)
        quiet = [b for b in backs if b[0] is not None]
        if len(quiet) < len(backs):
            print("back: the program never went quiet after %d of %d" % (len(backs) - len(quiet),
                                                                          len(backs)))
        if quiet:
            print("median back: %.3f s (processor %.3f s), %.1f MiB resident after the last"
                  % (statistics.median(b[0] for b in quiet),
                     statistics.median(b[1] for b in quiet), backs[-1][2]))
        return 0
    except Failure as e:
        print("FAIL: %s" % e)
        return 1
    finally:
        s.close()


if __name__ == "__main__":
    sys.exit(main())
