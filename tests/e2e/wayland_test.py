#!/usr/bin/env python3
"""Runs Lunavik as a native Wayland client on a headless compositor and goes through the main
flow: names in, Next, the result, Back, File > Exit, the exit screen, Exit.

The test starts its own weston on a socket of its own, with a private runtime folder, D-Bus
session and home. A headless compositor has no keyboard or pointer to drive, so the program is
worked the way assistive technology works it: text goes in and buttons are pressed through the
accessibility interface (AT-SPI), and what the windows show is read back the same way.

usage: wayland_test.py PROGRAM [SCREENSHOT_FOLDER]
Exit status 0 on success, 1 on a failure, 77 when weston or Qt's Wayland plugin is missing.
"""
import glob
import os
import shutil
import subprocess
import sys

from harness import (SKIP, WINDOW_TITLE, Sandbox, expect, log, run_steps, scratch_env,
                     show_outputs, wait_exit, wait_for)


class Session(Sandbox):
    """weston, D-Bus, a home folder and the program, all private to this test."""

    def __init__(self, program, shots):
        super().__init__("lunavik-wayland-")
        self.program = program
        self.shots = shots
        self.socket = "lunavik-test-%d" % os.getpid()
        self.env = scratch_env(self.root, XDG_SESSION_TYPE="wayland", WAYLAND_DISPLAY=self.socket,
                               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        self.home, self.runtime = self.env["HOME"], self.env["XDG_RUNTIME_DIR"]

    def start_weston(self):
        # Pixman draws the outputs, so the screen can be captured; --debug allows capturing.
        self.start(["weston", "--backend=headless-backend.so", "--socket=" + self.socket,
                    "--use-pixman", "--width=1024", "--height=768", "--idle-time=0", "--debug"],
                   "weston")
        wait_for("weston's socket", lambda: os.path.exists(
            os.path.join(self.runtime, self.socket)))
        log("weston on socket " + self.socket)

    def screenshot(self, name):
        """Saves what the compositor shows, when a folder for screenshots was given."""
        if not self.shots:
            return
        before = set(glob.glob(os.path.join(self.root, "wayland-screenshot-*.png")))
        subprocess.run(["weston-screenshooter"], env=self.env, cwd=self.root, timeout=20,
                       capture_output=True)
        after = set(glob.glob(os.path.join(self.root, "wayland-screenshot-*.png"))) - before
        if after:
            os.makedirs(self.shots, exist_ok=True)
            target = os.path.join(self.shots, "wayland-%s.png" % name)
            shutil.move(after.pop(), target)
            log("screenshot " + target)

    def show_logs(self):
        self.show_windows(self.procs)
        show_outputs(self.procs)

    def window_with(self, pid, name):
        """A probe for the window of the process on screen that holds a node of that name."""
        return self.the_window(pid, title=None, containing=name)

    def set_text(self, node, text):
        editable = node.queryEditableText()
        editable.setTextContents(text)

    def press(self, node, what):
        expect(node is not None, "no %s on screen" % what)
        action = node.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        for wanted in ("Press", "press", "click", "Toggle"):
            if wanted in names:
                action.doAction(names.index(wanted))
                return
        expect(action.nActions > 0, "%s offers no action" % what)
        action.doAction(0)


def scenario(s):
    app = s.start([s.program], "lunavik", cwd=s.home)
    main = wait_for("the main window", s.window_with(app.pid, "First Name"))
    expect(main.name == WINDOW_TITLE, "the main window is titled %r" % main.name)
    log("the main window is up as a Wayland client")
    s.screenshot("main")

    for spoken, value in (("First Name", "JOHN"), ("Last Name", "SMITH")):
        box = s.find(main, role="text", name=spoken)
        expect(box is not None, "no %s field" % spoken)
        s.set_text(box, value)
        wait_for("%s to read %s" % (spoken, value), lambda: s.text_of(box) == value)
    s.press(s.find(main, role="push button", name="Next"), "Next button")
    result_window = wait_for("the result window", s.window_with(app.pid, "Result"))
    s.expect_first_line(result_window, "Result", "Your Inner Dreams Number is: 2")
    s.screenshot("result")

    s.press(s.find(result_window, role="push button", name="Back"), "Back button")
    main = wait_for("the main window after Back", s.window_with(app.pid, "First Name"))
    wait_for("the result window to go", lambda: s.window_with(app.pid, "Result")() is None)
    names = [s.text_of(s.find(main, role="text", name=n)) for n in ("First Name", "Last Name")]
    expect(names == ["JOHN", "SMITH"], "the names after Back read %r" % names)
    log("Back shows the main window with the names kept")

    s.press(s.find(main, role="menu item", name="Exit", showing=False), "File > Exit")
    nag = wait_for("the exit screen", s.window_with(app.pid, "Refer A Friend"))
    wait_for("the main window to go", lambda: s.window_with(app.pid, "First Name")() is None)
    expect(nag.name == WINDOW_TITLE, "the exit screen is titled %r" % nag.name)
    log("File > Exit shows the exit screen")
    s.screenshot("exit-screen")

    s.press(s.find(nag, role="push button", name="Exit"), "the exit screen's Exit button")
    status = wait_exit(app, "the program after Exit", timeout=15)
    expect(status == 0, "the program ended with status %r" % status)
    output = open(app.log_path).read().strip()
    expect("xcb" not in output.lower(), "the program reached for X11:\n" + output)
    if output:
        log("the program printed:\n" + output)
    log("Exit ended the program with status 0")


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__)
        return 2
    plugins = glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-*.so")
    if shutil.which("weston") is None or not plugins:
        print("SKIP: weston or Qt's Wayland platform plugin (qt6-wayland) is not installed")
        return SKIP
    s = Session(os.path.abspath(sys.argv[1]), sys.argv[2] if len(sys.argv) == 3 else None)

    def steps():
        s.start_weston()
        s.start_dbus()
        scenario(s)

    def clean_up():
        s.stop()
        shutil.rmtree(s.root, ignore_errors=True)

    return run_steps(steps, s.show_logs, clean_up)


if __name__ == "__main__":
    sys.exit(main())
