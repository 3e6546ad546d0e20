"""What the tests that drive the real program share: failing with a reason, logging, polling,
ending the processes they started, a virtual X server of their own, and the run of the steps."""
import os
import select
import signal
import subprocess
import sys
import time
import traceback

SKIP = 77
# The version comes from the build (CMake's project version), through the test's environment.
WINDOW_TITLE = "Lunavik v" + os.environ.get("LUNAVIK_VERSION", "?")

STARTED = time.monotonic()


class Failure(Exception):
    pass


def log(message):
    print("[%5.1fs] %s" % (time.monotonic() - STARTED, message), flush=True)


def expect(ok, message):
    if not ok:
        raise Failure(message)


def wait_for(what, probe, timeout=10.0, interval=0.1):
    """Polls probe() until it returns something true; fails naming what was awaited."""
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


def start_xvfb(stderr):
    """Starts Xvfb on a display it picks itself (-displayfd); returns the process and display."""
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24",
         "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=stderr, start_new_session=True)
    os.close(write_fd)
    number = b""
    deadline = time.monotonic() + 15
    try:
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_fd], [], [], max(0.0, deadline - time.monotonic()))
            if not ready:
                kill_group(xvfb, "Xvfb")
                raise Failure("Xvfb did not report a display within 15 s")
            chunk = os.read(read_fd, 16)
            if not chunk:
                raise Failure("Xvfb exited before reporting a display")
            number += chunk
    finally:
        os.close(read_fd)
    return xvfb, ":" + number.decode().strip()


def run_steps(steps, diagnose, clean_up):
    """Runs the test's steps; on a failure prints it and what diagnose() shows. Returns the exit
    status: 0 when every step passed, 1 otherwise. clean_up() runs in any case."""
    try:
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


def accessibility_desktop():
    """The AT-SPI bindings and the desktop they see, on the buses the environment names."""
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
    return pyatspi, pyatspi.Registry.getDesktop(0)


def show_outputs(procs):
    """Prints the end of what each (process, name) started with a log_path wrote."""
    for proc, name in procs:
        try:
            text = open(proc.log_path).read().strip()
        except OSError:
            continue
        if text:
            print("---- output of %s ----\n%s" % (name, text[-3000:]))
