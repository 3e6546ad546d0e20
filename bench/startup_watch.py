#!/usr/bin/env python3
"""Start-up time and peak memory of programs that open one main window, measured alternately.

Usage: startup_watch.py RUNS NAME=TITLE=COMMAND [NAME=TITLE=COMMAND ...]

For each run the clock starts right before the program is spawned and stops when the X server
reports the window with that exact title as mapped. The script listens to the root window's
SubstructureNotify events itself (Xlib through ctypes) instead of polling with xdotool or
xwininfo: no poll interval to round to, and no helper process competing for the CPU with the
program being timed. Without a window manager a top-level window is a child of the root, so
its MapNotify arrives there. Half a second after the map (so the first paint counts too) the
peak resident set (VmHWM) is read from /proc and the program is asked to end (SIGTERM, as a
session ending would; a program still there after two seconds is killed), so no stale lock
is left for the next start.

Prints one line per run and, at the end, the medians and the ratios of every program to each
one named after it (the same-shape window and the floor come last). Beside the clock it gives
the processor time the program had used when its window was mapped, all threads together: on a
machine shared with other work that figure moves much less than the clock does.
"""
import ctypes
import ctypes.util
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from harness import scratch_env

# What a program may cost over each reference: start-up time and peak memory, as ratios of
# medians. Over the floor (one label) some cost is the window's own; over the same window written
# by hand in plain Qt, none.
TARGETS = {"floor": (1.20, 1.15), "same": (1.00, 1.00)}


def peak_rss_kib(pid):
    """The most memory the process has held at once (VmHWM)."""
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def cpu_ms(pid):
    """Processor time of all the process's threads so far, in ms: steadier than the clock when
    other work shares the machine."""
    total = 0
    try:
        for task in os.listdir(f"/proc/{pid}/task"):
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
    except OSError:
        pass
    return total / 1e6


MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
ANY_PROPERTY_TYPE = 0

x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XGetWindowProperty.argtypes = [
    ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int,
    ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_void_p)]
x11.XFree.argtypes = [ctypes.c_void_p]
# A window can be gone by the time its name is asked for: ignore X errors instead of exiting.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
_ignore_errors = ERROR_HANDLER(lambda display, event: 0)
x11.XSetErrorHandler(_ignore_errors)


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong),
                ("window", ctypes.c_ulong), ("override_redirect", ctypes.c_int)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", XMapEvent), ("pad", ctypes.c_long * 24)]


display = x11.XOpenDisplay(None)
if not display:
    sys.exit("startup_watch: cannot open the X display " + os.environ.get("DISPLAY", "(unset)"))
root = x11.XDefaultRootWindow(display)
x11.XSelectInput(display, root, SUBSTRUCTURE_NOTIFY_MASK)
x11.XFlush(display)
fd = x11.XConnectionNumber(display)
net_wm_name = x11.XInternAtom(display, b"_NET_WM_NAME", 0)
wm_name = x11.XInternAtom(display, b"WM_NAME", 0)


def window_title(window):
    for atom in (net_wm_name, wm_name):
        kind, fmt = ctypes.c_ulong(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        status = x11.XGetWindowProperty(display, window, atom, 0, 1024, 0, ANY_PROPERTY_TYPE,
                                        ctypes.byref(kind), ctypes.byref(fmt),
                                        ctypes.byref(count), ctypes.byref(after),
                                        ctypes.byref(data))
        if status == 0 and data.value:
            text = ctypes.string_at(data.value, count.value).decode("utf-8", "replace")
            x11.XFree(data)
            if text:
                return text
    return ""


def drain():
    event = XEvent()
    while x11.XPending(display):
        x11.XNextEvent(display, ctypes.byref(event))


def wait_for_map(title, process, timeout):
    """Monotonic time at which a window called title was mapped, or None."""
    deadline = time.monotonic() + timeout
    event = XEvent()
    while time.monotonic() < deadline:
        while x11.XPending(display):
            x11.XNextEvent(display, ctypes.byref(event))
            if event.type == MAP_NOTIFY and not event.xmap.override_redirect:
                seen = time.monotonic_ns()
                if window_title(event.xmap.window) == title:
                    return seen
        if process.poll() is not None:
            return None
        select.select([fd], [], [], 0.05)
    return None


def run_once(title, command):
    drain()
    start = time.monotonic_ns()
    process = subprocess.Popen(command, shell=True, start_new_session=True, env=ENV,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped = wait_for_map(title, process, timeout=30)
    try:
        if mapped is None:
            return None, None, None
        cpu = cpu_ms(process.pid)
        time.sleep(0.5)
        return (mapped - start) / 1e6, peak_rss_kib(process.pid), cpu
    finally:
        # The command runs through the shell's exec, so the pid is the program itself.
        try:
            os.killpg(process.pid, signal.SIGTERM)
            process.wait(timeout=2)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
        except ProcessLookupError:
            process.wait()


def main():
    global ENV
    # A throw-away home shared by all runs: the first (uncounted) start stores the reminder date,
    # every later one finds it fresh, as on an ordinary day. It is on tmpfs, as a desktop
    # session's runtime folder (the lock) is: QLockFile syncs the lock to disk, which on a real
    # disk would time the disk rather than the program.
    root = tempfile.mkdtemp(prefix="lunavik-bench-", dir="/dev/shm" if os.path.isdir("/dev/shm")
                            else None)
    ENV = scratch_env(root, DISPLAY=os.environ["DISPLAY"],
                      DBUS_SESSION_BUS_ADDRESS=os.environ["DBUS_SESSION_BUS_ADDRESS"])
    try:
        measure()
    finally:
        shutil.rmtree(root, ignore_errors=True)


def measure():
    runs = int(sys.argv[1])
    programs = [arg.split("=", 2) for arg in sys.argv[2:]]
    times = {name: [] for name, _, _ in programs}
    memory = {name: [] for name, _, _ in programs}
    cpu = {name: [] for name, _, _ in programs}
    # One start of each first, not counted: fills the page cache and the font caches.
    for name, title, command in programs:
        run_once(title, "exec " + command)
    for i in range(runs):
        for name, title, command in programs:
            ms, kib, used = run_once(title, "exec " + command)
            if ms is None:
                sys.exit(f"startup_watch: {name} showed no window titled '{title}' in 30 s")
            times[name].append(ms)
            memory[name].append(kib)
            cpu[name].append(used)
            print(f"run {i + 1:2d}  {name:8s} {ms:8.1f} ms  {kib / 1024:7.1f} MiB  "
                  f"{used:6.1f} ms processor", flush=True)
    print()
    print(f"{'':8s} {'median start':>13s} {'median peak RSS':>16s} {'processor to map':>17s}")
    for name, _, _ in programs:
        print(f"{name:8s} {statistics.median(times[name]):10.1f} ms "
              f"{statistics.median(memory[name]) / 1024:12.1f} MiB "
              f"{statistics.median(cpu[name]):13.1f} ms")
    names = [name for name, _, _ in programs]
    for i, name in enumerate(names):
        for ref in names[i + 1:]:
            t = statistics.median(times[name]) / statistics.median(times[ref])
            m = statistics.median(memory[name]) / statistics.median(memory[ref])
            c = statistics.median(cpu[name]) / statistics.median(cpu[ref])
            verdict = ""
            if ref in TARGETS:
                time_target, memory_target = TARGETS[ref]
                within = t <= time_target and m <= memory_target
                verdict = (f" ({'within' if within else 'OVER'} the targets "
                           f"{time_target:.2f} and {memory_target:.2f})")
            print(f"ratio {name}/{ref}: time {t:.2f}, memory {m:.2f}{verdict}; processor {c:.2f}")


if __name__ == "__main__":
    main()
