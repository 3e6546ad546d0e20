#!/usr/bin/env python3
"""Installs Lunavik into a throw-away prefix and uses it as a person would.

The program runs on its own virtual X server with a private D-Bus session, a fresh home and a
stand-in browser that only writes down the addresses it is asked to open. Keys and clicks go in
through xdotool; what the windows show is read back through the accessibility interface
(AT-SPI), and the screen reader Orca listens along: what it says is checked too.

usage: e2e_test.py BUILD_DIR [--german]
With --german the program runs on a German desktop instead (german_scenario.py).
Exit status 0 on success, 1 on a failure, 77 when no virtual X server is installed.
"""
import contextlib
import json
import os
import pty
import re
import shutil
import subprocess
import sys
import threading
import time
import tty
import urllib.parse

import german_scenario
from harness import (WINDOW_TITLE, Failure, Sandbox, expect, kill_group, log, on_virtual_display,
                     run_steps, scratch_env, show_outputs, wait_exit, wait_for, window_titles)

SITE = "https://www.orvaneth.example"
BOX_TITLE = "Lunavik"
# What a screen reader expects top-level windows to be: a window a frame (the_window's default),
# a modal box a dialog, a message box an alert.
DIALOG_ROLES = ("dialog",)
BOX_ROLES = ("alert",)
PAGE = SITE + "/lunavik/ssd.php?page="
# How the exit screen's four appeals to visit the discussion board open; one is drawn at load.
BOARD = "www.orvaneth-forum.example"
APPEALS = ("Orvaneth Softwares, such as this can be created and maintained only with your support.",
           "Please visit %s regularly and support it" % BOARD,
           "%s is a free online forum on astrology, numerology and the occult." % BOARD,
           "%s needs your help!" % BOARD)

class ScreenReader:
    """Orca on the desktop's display and buses, and what it has said.

    Orca writes every utterance to its debug file as a "SPEECH OUTPUT: '...'" line, with or
    without a speech synthesizer; none is used here (no speech server is set), so nothing is
    heard and nothing more is started. The debug file is a pseudo-terminal, so that Orca writes
    each line as it goes instead of whenever its buffer fills.
    """

    SETTINGS = {
        "general": {"speechServerFactory": "", "enableBraille": False, "enableSound": False,
                    "enableKeyEcho": False},
        "profiles": {"default": {"profile": ["Default", "default"]}},
        "pronunciations": {}, "keybindings": {}}
    # The voice follows the text: a dict, a list of them, or None.
    UTTERANCE = re.compile(
        r"^.*? - SPEECH OUTPUT: '(.*)'(?: voice=\S+)? ?(?:\{.*\}|\[.*\]|None)\s*$", re.S)

    def __init__(self, desktop):
        self.desktop = desktop
        self.proc = None
        self.lock = threading.Lock()
        self.received = 0  # bytes of debug output so far
        self.spoken = []  # utterances as Orca logged them
        self.utterance = None  # the last one, while further lines of it may follow

    def start(self):
        if shutil.which("orca") is None:
            raise Failure("the screen reader Orca is not installed (Debian package orca)")
        prefs = os.path.join(self.desktop.root, "orca")
        os.makedirs(prefs)
        with open(os.path.join(prefs, "user-settings.conf"), "w") as f:
            json.dump(self.SETTINGS, f)
        master, slave = pty.openpty()
        tty.setraw(slave)
        # Orca will not start while another Orca of this user runs: it looks for one in /proc.
        # In a PID namespace with a /proc of its own it sees only itself, so it neither meets
        # nor disturbs the user's own Orca or another run's, and it goes with everything it
        # started when it ends. Without root, a user namespace mapping this user to itself
        # allows that.
        isolated = ["unshare", "--pid", "--mount-proc", "--kill-child"]
        if os.geteuid() != 0:
            isolated += ["--user", "--map-current-user"]
        out = open(os.path.join(self.desktop.root, "orca.log"), "w")
        self.proc = subprocess.Popen(
            isolated + ["orca", "--user-prefs", prefs, "--debug-file", os.ttyname(slave)],
            env=self.desktop.env, stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT,
            start_new_session=True)
        self.proc.log_path = out.name
        # Held open here too: with no one holding the terminal, reading it fails until Orca
        # has opened it.
        self.terminal = slave
        threading.Thread(target=self.drain, args=(master,), daemon=True).start()
        wait_for("Orca to start", self.says(0, "Screen reader on."))
        log("Orca is listening")

    def drain(self, fd):
        """Reads the debug output as it comes and keeps only the utterances."""
        pending = b""
        while True:
            try:
                chunk = os.read(fd, 65536)
            except OSError:
                break
            if not chunk:
                break
            *lines, pending = (pending + chunk).split(b"\n")
            with self.lock:
                self.received += len(chunk)
                for line in lines:
                    self.take(line.decode("utf-8", "replace"))
        os.close(fd)

    def take(self, line):
        # Orca indents the further lines of a multi-line utterance by 18 spaces.
        if self.utterance is not None and line.startswith(" " * 18):
            self.utterance += "\n" + line[18:]
            return
        if self.utterance is not None:
            self.spoken.append(self.utterance)
            self.utterance = None
        if " - SPEECH OUTPUT: '" in line:
            self.utterance = line

    def said(self):
        """Every utterance so far, in order."""
        with self.lock:
            entries = self.spoken + ([self.utterance] if self.utterance is not None else [])
        matches = (self.UTTERANCE.match(entry) for entry in entries)
        return [m.group(1) for m in matches if m]

    def mark(self):
        return len(self.said())

    def says(self, since, *phrases):
        """A probe: true once what was said after the mark holds the phrases, in that order."""
        def probe():
            spoken = " ".join(self.said()[since:])
            at = 0
            for phrase in phrases:
                at = spoken.find(phrase, at)
                if at < 0:
                    return False
                at += len(phrase)
            return True
        return probe

    def expect(self, since, what, *phrases):
        try:
            wait_for("Orca to say %s" % what, self.says(since, *phrases))
        except Failure as e:
            raise Failure("%s\nexpected, in this order: %r\nOrca said: %r"
                          % (e, phrases, self.said()[since:]))
        log("Orca says %s: %r" % (what, " ".join(self.said()[since:])[:150]))

    def settle(self, quiet=0.3, timeout=5.0):
        """Waits until Orca has written nothing for a moment. The program hands every key to the
        screen reader before acting on it, and gives up waiting for an answer after a while;
        keys sent while Orca works through a backlog can then arrive late or out of step."""
        deadline = time.monotonic() + timeout
        size, since = self.received, time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.05)
            if self.received != size:
                size, since = self.received, time.monotonic()
            elif time.monotonic() - since >= quiet:
                return

    def stop(self):
        kill_group(self.proc, "orca")
        if self.proc is not None:
            os.close(self.terminal)


class Desktop(Sandbox):
    """The running session: X server, D-Bus, home folder, stand-in browser."""

    def __init__(self, build_dir):
        super().__init__("lunavik-e2e-")
        self.build_dir = build_dir
        self.reader = None  # a ScreenReader once start_screen_reader has run
        self.apps = []

    # --- set-up ---------------------------------------------------------------------------

    def install(self):
        prefix = os.path.join(self.root, "prefix")
        run = subprocess.run(["cmake", "--install", self.build_dir, "--prefix", prefix],
                             capture_output=True, text=True, timeout=120)
        if run.returncode != 0:
            raise Failure("cmake --install failed:\n" + run.stdout + run.stderr)
        self.exe = os.path.join(prefix, "bin", "lunavik")
        if not os.access(self.exe, os.X_OK):
            raise Failure("the install put no executable at " + self.exe)
        log("installed into " + prefix)

    def make_environment(self):
        stubs = os.path.join(self.root, "stubs")
        os.makedirs(stubs)
        self.opened = os.path.join(self.root, "opened-urls.txt")
        with open(os.path.join(stubs, "xdg-open"), "w") as f:
            f.write('#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s"\n' % self.opened)
        os.chmod(os.path.join(stubs, "xdg-open"), 0o755)

        self.env = scratch_env(self.root, PATH=stubs + os.pathsep + "/usr/local/bin:/usr/bin:/bin",
                               DISPLAY=os.environ["DISPLAY"], QT_QPA_PLATFORM="xcb",
                               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        self.config, self.runtime = self.env["XDG_CONFIG_HOME"], self.env["XDG_RUNTIME_DIR"]

    def start_screen_reader(self):
        self.reader = ScreenReader(self)
        self.reader.start()

    def launch(self, name):
        proc = self.start([self.exe], name, cwd=self.env["HOME"])
        self.apps.append((proc, name))
        return proc

    def shutdown(self):
        if self.reader is not None:
            self.reader.stop()
        self.stop()

    def show_logs(self):
        orca = self.reader.proc if self.reader else None
        show_outputs(self.procs + ([(orca, "orca")] if orca else []))
        if os.path.exists(self.opened):
            print("---- addresses handed to the browser ----\n" + open(self.opened).read())
        if self.reader is not None:
            print("---- the last things Orca said ----\n" + "\n".join(self.reader.said()[-30:]))

    # --- hands ----------------------------------------------------------------------------

    def xdotool(self, *args):
        run = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                             timeout=20)
        if run.returncode != 0:
            raise Failure("xdotool %s failed: %s" % (" ".join(args), run.stderr.strip()))
        return run.stdout

    def settle(self):
        if self.reader is not None:
            self.reader.settle()

    def key(self, *keys):
        self.settle()
        self.xdotool("key", "--delay", "60", *keys)

    def open_menu(self, pid, letter, item):
        """Opens a menu with Alt and its access key, and waits until it shows the item. Alt goes
        down on its own first, with the reader settled before and after: sent in one burst while
        the program holds keys back for the reader (see settle), Alt and the letter can be taken
        out of step on a busy machine, and the menu then never opens."""
        for step in (["keydown", "alt"], ["key", letter, "keyup", "alt"]):
            self.settle()
            self.xdotool(*step)
        wait_for("the menu with %r to open" % item, lambda: any(
            self.find(n, role="menu item", name=item) for _, _, n in self.windows(pid)))

    def type(self, text):
        self.settle()
        self.xdotool("type", "--delay", "60", text)

    def click(self, node):
        """Clicks in the middle of what the node covers on screen."""
        box = node.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        if box.width <= 0 or box.height <= 0:
            raise Failure("%r has no area on screen to click" % node.name)
        x, y = box.x + box.width // 2, box.y + box.height // 2
        self.xdotool("mousemove", str(x), str(y), "click", "1")

    def opened_urls(self):
        try:
            with open(self.opened) as f:
                return [line.rstrip("\n") for line in f if line.strip()]
        except FileNotFoundError:
            return []


def message_box(d, pid, text):
    """The message box of that process on screen, titled as every box is, showing text."""
    def probe():
        box = d.the_window(pid, BOX_TITLE, BOX_ROLES)()
        if box is not None and d.find(box, name=text) is not None:
            return box
        return None
    return probe


@contextlib.contextmanager
def hearing(d, what, *phrases):
    """Orca says the phrases, in this order, in response to what the block does."""
    said = d.reader.mark()
    yield
    d.reader.expect(said, what, *phrases)


def follow_links(d, window, pages):
    """The window shows exactly these links, (name or description, page key); each link's
    accessible action opens exactly its page, as a click does."""
    shown = [n for n in d.walk(window)
             if n.getRoleName() == "link" and d.showing(n)]
    described = sorted("%r (%r)" % (n.name[:40], n.description) for n in shown)
    expect(len(shown) == len(pages), "the window shows the links %s, expected %d: %r"
           % (described, len(pages), [k for k, _ in pages]))
    for key, page in pages:
        link = next((n for n in shown if key in (n.name, n.description)), None)
        expect(link is not None, "no link %r on screen among %s" % (key, described))
        action = link.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        expect(len(names) == 1, "the link %r offers the actions %r, expected one" % (key, names))
        before = len(d.opened_urls())
        action.doAction(0)
        url = PAGE + page
        wait_for("the link %r to open %s" % (key, url), lambda: d.opened_urls()[before:] == [url])
    log("links followed through their actions: %s" % ", ".join(p for _, p in pages))


def reactivate_main(d, pid, label, after, said):
    """A box took the keyboard. With no window manager to hand it back, a click on a plain label
    of the main window activates it again, and the first name field, which had the focus, gets
    it back. Orca says so, the window's name first; waiting for that keeps its speech in step
    with the next keys. Qt may activate the window as its own box closes, and Orca then names
    the window before the click: said is where Orca's speech stood before the box was
    dismissed."""
    main = wait_for("the main window", d.the_window(pid, containing="First Name"))
    first_name = d.find(main, role="text", name="First Name")
    d.click(d.find(main, role="label", name=label))
    wait_for("the main window to be active again",
             lambda: main.getState().contains(d.pyatspi.STATE_ACTIVE))
    wait_for("the focus in the first name field " + after, lambda: d.focused(first_name))
    d.reader.expect(said, "the main window again " + after, WINDOW_TITLE + " frame.",
                    "First Name text.")


def first_start(d):
    """The program comes up with the focus in the first name field, holds its lock and records
    the date of its first start."""
    with hearing(d, "the main window", WINDOW_TITLE + " frame.", "First Name text."):
        first = d.launch("first instance")
        main = wait_for("the main window titled %r" % WINDOW_TITLE,
                        d.the_window(first.pid, containing="First Name"))
        first_name = d.find(main, role="text", name="First Name")
        expect(first_name is not None and d.find(main, role="text", name="Last Name") is not None,
               "the name fields are not on screen")
        wait_for("the focus in the first name field", lambda: d.focused(first_name))
    log("main window is up with the focus in First Name")
    lock = os.path.join(d.runtime, "lunavik.lock")
    expect(os.path.exists(lock), "no instance lock at %s while the program runs" % lock)
    settings = os.path.join(d.config, "lunavik", "lunavik.ini")
    wait_for("the first start to record its date in " + settings,
             lambda: "[Settings]" in open(settings).read())
    return first


def second_start_refused(d, first):
    """A second start while the first runs is refused with a box, and ends when it is
    dismissed."""
    with hearing(d, "the second instance's box", "alert " + BOX_TITLE + ".",
                 "Application is already running", "OK push button."):
        second = d.launch("second instance")
        box = wait_for("'Application is already running' from the second instance",
                       message_box(d, second.pid, "Application is already running"))
        titles = window_titles(second.pid, d.env["DISPLAY"])
        expect(titles == [BOX_TITLE], "the second instance shows windows titled %r, expected "
               "only its box titled %r" % (titles, BOX_TITLE))
        others = [n for r, n, _ in d.windows(second.pid) if n != BOX_TITLE]
        expect(not others, "the second instance shows other windows: %r" % others)
        wait_for("the message box to have the keyboard focus",
                 lambda: any(d.focused(n) for n in d.walk(box)))
    said = d.reader.mark()
    d.key("Return")
    status = wait_exit(second, "the second instance after its box was dismissed")
    expect(status == 0, "the second instance ended with status %r, not 0" % status)
    expect(first.poll() is None, "the first instance ended along with the second")
    wait_for("the first instance's main window to stay on screen",
             d.the_window(first.pid, containing="First Name"))
    log("second instance refused and ended with 0; the first runs on")
    reactivate_main(d, first.pid, "First Name", "after the box", said)


def name_and_birth_date(d, first):
    """Typed names show in capitals; Tab goes through the rest of the form, and each field and
    list is said with its name, each list with its value too."""
    main = wait_for("the main window", d.the_window(first.pid, containing="First Name"))
    first_name = d.find(main, role="text", name="First Name")
    d.type("john")
    wait_for("JOHN in the first name field", lambda: d.text_of(first_name) == "JOHN")
    for spoken in ("Middle Name text.", "Last Name text."):
        with hearing(d, "the field after a Tab", spoken):
            d.key("Tab")
    last_name = d.find(main, role="text", name="Last Name")
    wait_for("the focus in the last name field", lambda: d.focused(last_name))
    d.type("smith")
    wait_for("SMITH in the last name field", lambda: d.text_of(last_name) == "SMITH")
    log("typed john smith, shown as JOHN SMITH")
    # Entering the date lists, the frame around them is said by its title.
    for group, name, value in (("Date Of Birth panel.", "Month of birth", "January"),
                               ("", "Day of birth", "1"), ("", "Year of birth", "1900")):
        with hearing(d, "the list after a Tab", group, name + " combo box.", value + "."):
            d.key("Tab")
        wait_for("the focus in the list %r" % name,
                 lambda: d.focused(d.find(main, role="combo box", name=name)))
    with hearing(d, "the year's new value", "1901"):
        d.key("Down")


def result_and_back(d, first):
    """Alt+N shows the result in a window of its own; Back brings the main window back with the
    names kept. Both windows' links open their pages."""
    with hearing(d, "the result window as it opens", WINDOW_TITLE + " frame.",
                 "Your Inner Dreams Number is: 2.", "Back push button."):
        d.key("alt+n")
        result_window = wait_for("the result window", d.the_window(first.pid, containing="Result"))
        d.expect_first_line(result_window, "Result", "Your Inner Dreams Number is: 2")
        expect(d.the_window(first.pid, containing="First Name")() is None,
               "the main window is still on screen beside the result")
    with hearing(d, "the result box", "Result read only text.", "Your Inner Dreams Number is: 2"):
        d.key("Tab")
    # The result window always shows the fully-branded offer; the co-branding one lies under it.
    follow_links(d, result_window, [("Discussion board", "home-page"),
                                    ("Fully-branded offer", "fully-branded")])

    with hearing(d, "the main window after Back", WINDOW_TITLE + " frame.", "First Name text.",
                 "JOHN"):
        d.key("alt+b")
        main = wait_for("the main window after Back",
                        d.the_window(first.pid, containing="First Name"))
    wait_for("the result window to go", lambda: d.the_window(first.pid, containing="Result")()
             is None)
    names = [d.text_of(d.find(main, role="text", name=n)) for n in ("First Name", "Last Name")]
    expect(names == ["JOHN", "SMITH"], "the names did not survive Back: %r" % names)
    log("Back shows the main window with the names kept")
    # Which offer lies in front was drawn at start-up; only that one is on screen.
    offers = {"Co-branding offer": "co-brand", "Fully-branded offer": "fully-branded"}
    front = [n.description for n in d.walk(main) if n.getRoleName() == "link"
             and n.description in offers and d.showing(n)]
    expect(len(front) == 1, "the main window shows the offers %r, expected exactly one" % front)
    follow_links(d, main, [("Discussion board", "home-page"), (front[0], offers[front[0]])])


def empty_first_name_refused(d, first):
    """Without a first name, Next is refused with a message."""
    main = wait_for("the main window", d.the_window(first.pid, containing="First Name"))
    first_name = d.find(main, role="text", name="First Name")
    d.click(first_name)
    wait_for("the focus in the first name field", lambda: d.focused(first_name))
    d.key("ctrl+a", "BackSpace")
    wait_for("an empty first name field", lambda: d.text_of(first_name) == "")
    with hearing(d, "the validation message", "alert " + BOX_TITLE + ".",
                 "Please Enter Your First Name", "OK push button."):
        d.key("alt+n")
        box = wait_for("'Please Enter Your First Name'",
                       message_box(d, first.pid, "Please Enter Your First Name"))
        wait_for("the message box to have the keyboard focus",
                 lambda: any(d.focused(n) for n in d.walk(box)))
    said = d.reader.mark()
    d.key("Return")
    wait_for("the message box to close",
             lambda: d.the_window(first.pid, BOX_TITLE, BOX_ROLES)() is None)
    expect(d.the_window(first.pid, containing="Result")() is None,
           "the result window opened although the first name was empty")
    log("empty first name refused with 'Please Enter Your First Name'")
    # The refusal put the focus into the first name field; it shows once the window is active.
    reactivate_main(d, first.pid, "Last Name", "after the refusal", said)


def about_box(d, first):
    """Help > About Software: a modal dialog that reads out what it says."""
    with hearing(d, "the about box", WINDOW_TITLE + " dialog",
                 "Lunavik Software helps you to uncover your secret dreams",
                 "Home Business Opportunity.", "OK push button."):
        d.open_menu(first.pid, "h", "About Software")
        d.key("a")
        about = wait_for("the about box, a dialog", d.the_window(first.pid, roles=DIALOG_ROLES))
    follow_links(d, about, [("Click here for more details.", "fully-branded"),
                            ("Click here to visit " + SITE.split("//")[1], "home-page")])
    said = d.reader.mark()
    d.key("Escape")
    wait_for("the about box to close",
             lambda: d.the_window(first.pid, roles=DIALOG_ROLES)() is None)
    reactivate_main(d, first.pid, "Last Name", "after the about box", said)


def visit_us_online(d, first):
    """Help > Visit Us Online through the keyboard: the browser gets the home page."""
    before = len(d.opened_urls())
    d.open_menu(first.pid, "h", "Visit Us Online")
    d.key("v")
    home = PAGE + "home-page"
    wait_for("the browser to be asked for " + home, lambda: d.opened_urls()[before:] == [home])
    log("Help > Visit Us Online opened " + home)


def exit_screen(d, first):
    """File > Exit hands over to the exit screen. It shows without taking the keyboard, which a
    window manager hands it as the main window goes; a click on its title does that here. Then
    its appeal, the text a sighted user reads first, is said once, after the title."""
    wait_for("the main window", d.the_window(first.pid, containing="First Name"))
    said = d.reader.mark()
    d.open_menu(first.pid, "f", "Exit")
    d.key("x")
    screen = the_exit_screen(d, first)
    d.click(d.find(screen, role="label", name=WINDOW_TITLE))
    shown = [n.name for n in d.walk(screen) if n.getRoleName() == "label"]
    appeal = next((a for a in APPEALS if any(n.startswith(a) for n in shown)), None)
    expect(appeal is not None, "the exit screen shows none of the appeals among %r" % shown)
    d.reader.expect(said, "the exit screen as it opens", WINDOW_TITLE + " frame.", appeal,
                    "Exit push button.")
    spoken = " ".join(d.reader.said()[said:])
    expect(spoken.count(appeal) == 1, "Orca said the appeal %d times" % spoken.count(appeal))
    wait_for("the main window to go",
             lambda: d.the_window(first.pid, containing="First Name")() is None)
    # The title bar is read from the X server: it is what the person sees there.
    titles = window_titles(first.pid, d.env["DISPLAY"])
    expect(titles == [WINDOW_TITLE],
           "the windows on screen are titled %r, expected only the exit screen's %r"
           % (titles, WINDOW_TITLE))
    expect(first.poll() is None, "the program ended at File > Exit instead of showing the exit "
           "screen")
    log("File > Exit shows the exit screen")
    follow_links(d, screen, [("Click Here To Visit Orvaneth Softwares", "orvanethsoftwares")])


def the_exit_screen(d, first):
    return wait_for("the exit screen", d.the_window(first.pid, None, containing="Refer A Friend"))


def refer_a_friend(d, first):
    """Each referral field clears its hint as the focus arrives; what is typed there goes to the
    browser in the referral address."""
    screen = the_exit_screen(d, first)
    fields = [("Your name", "Your Name", "Jane Doe"),
              ("Your e-mail address", "Your Email Address", "jane@mail.example"),
              ("Friend's name", "Friend's Name", "Bob Roe"),
              ("Friend's e-mail address", "Friend's Email Address", "bob@mail.example")]
    for spoken, hint, value in fields:
        box = d.find(screen, role="text", name=spoken)
        expect(box is not None, "the exit screen has no text box named %r" % spoken)
        expect(d.text_of(box) == hint, "%r shows %r before use, expected its hint %r"
               % (spoken, d.text_of(box), hint))
        # The hint clears as the focus arrives; the box is said all the same.
        with hearing(d, "the referral field", spoken + " text."):
            d.click(box)
            wait_for("the focus in %r" % spoken, lambda: d.focused(box))
            wait_for("the hint of %r to clear on focus" % spoken, lambda: d.text_of(box) == "")
        d.type(value)
        wait_for("%r to read %r" % (spoken, value), lambda: d.text_of(box) == value)
    log("referral form filled in")

    refer = d.find(screen, role="push button", name="Refer A Friend Now")
    expect(refer is not None, "no 'Refer A Friend Now' button on the exit screen")
    before = len(d.opened_urls())
    d.click(refer)
    prefix = PAGE + "orvs-refer-a-friend&taf1="
    urls = wait_for("the browser to be asked for the referral address",
                    lambda: d.opened_urls()[before:] or None)
    expect(len(urls) == 1, "the browser was asked for %r, expected one referral address" % urls)
    expect(urls[0].startswith(prefix),
           "the referral address %r does not start with %r" % (urls[0], prefix))
    # The address travels percent-encoded; decoded it is exactly what was typed.
    sent = urllib.parse.unquote(urls[0])
    wanted = (prefix + "Jane Doe&taf2=jane@mail.example&taf3=Your Message\r\n"
              "&taf4=Bob Roe&taf5=bob@mail.example&taf6=" + SITE + "/lunavik/")
    expect(sent == wanted, "the referral address reads %r,\nexpected %r" % (sent, wanted))
    log("referral address opened: " + urls[0])


def exit_ends(d, first):
    """No box came up after the valid referral; the exit screen's Exit ends the program."""
    screen = the_exit_screen(d, first)
    expect(d.the_window(first.pid, BOX_TITLE, BOX_ROLES)() is None,
           "a message box came up after a valid referral")
    d.click(d.find(screen, role="push button", name="Exit"))
    status = wait_exit(first, "the program after Exit on the exit screen")
    expect(status == 0, "the program ended with status %r after Exit, not 0" % status)
    log("Exit ended the program with status 0")


def expect_no_sanitizer_report(d):
    """In a sanitizer build: nothing reported by any instance, leaks at its exit included."""
    for proc, name in d.apps:
        text = open(proc.log_path).read()
        for mark in ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:"):
            expect(mark not in text, "%s: sanitizer report in its output" % name)
    log("no sanitizer report from %d instances" % len(d.apps))


def main():
    german = sys.argv[2:] == ["--german"]
    if len(sys.argv) != 2 and not german:
        print(__doc__)
        return 2
    on_virtual_display()
    for tool in ("xdotool", "dbus-daemon", "cmake"):
        if shutil.which(tool) is None:
            print("FAIL: %s is not installed" % tool)
            return 1
    d = Desktop(os.path.abspath(sys.argv[1]))

    def steps():
        d.install()
        d.make_environment()
        if german:
            d.env.update(german_scenario.LOCALE)
        d.start_dbus()
        if german:
            return german_scenario.scenario(d)
        d.start_screen_reader()
        first = first_start(d)
        for step in (second_start_refused, name_and_birth_date, result_and_back,
                     empty_first_name_refused, about_box, visit_us_online, exit_screen,
                     refer_a_friend, exit_ends):
            step(d, first)
        if os.environ.get("LUNAVIK_E2E_SANITIZED"):
            expect_no_sanitizer_report(d)

    def diagnose():
        d.show_windows(d.apps)
        d.show_logs()

    def clean_up():
        d.shutdown()
        shutil.rmtree(d.root, ignore_errors=True)

    return run_steps(steps, diagnose, clean_up)


if __name__ == "__main__":
    sys.exit(main())
