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
import os
import shutil
import sys
import urllib.parse

import german_scenario
from desktop import Desktop
from harness import (WINDOW_TITLE, expect, log, on_virtual_display, role_of, run_steps, wait_exit,
                     wait_for, window_titles)

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


@contextlib.contextmanager
def hearing(d, what, *phrases):
    """Orca says the phrases, in this order, in response to what the block does."""
    said = d.reader.mark()
    yield
    d.reader.expect(said, what, *phrases)


def follow_links(d, window, pages):
    """The window shows exactly these links, (name or description, page key); each link's
    accessible action opens exactly its page, as a click does."""
    shown = [n for n in d.walk(window) if role_of(n) == "link" and d.showing(n)]
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
        box = wait_for("the second instance's box", d.the_window(
            second.pid, BOX_TITLE, BOX_ROLES, "Application is already running"))
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
    # Entering the date lists, the frame around them is said by its title; where Orca does not
    # say it (see says_group_at_list), the lists lie in it all the same.
    group = "Date Of Birth panel." if d.reader.says_group_at_list() else ""
    for group, name, value in ((group, "Month of birth", "January"),
                               ("", "Day of birth", "1"), ("", "Year of birth", "1900")):
        with hearing(d, "the list after a Tab", group, name + " combo box.", value + "."):
            d.key("Tab")
        wait_for("the focus in the list %r" % name,
                 lambda: d.focused(d.find(main, role="combo box", name=name)))
        frame = d.find(main, role="combo box", name=name).parent
        expect((role_of(frame), frame.name) == ("panel", "Date Of Birth"),
               "the list %r lies in %r, not the Date Of Birth group" % (name, frame.name))
    with hearing(d, "the year's new value", "1901"):
        d.key("Down")


def result_and_back(d, first):
    """Alt+N shows the result in a window of its own; Back brings the main window back with the
    names kept. Both windows' links open their pages."""
    with hearing(d, "the result window as it opens", WINDOW_TITLE + " frame.",
                 d.reader.description_on_switch("Your Inner Dreams Number is: 2."), "Back push button."):
        d.key("alt+n")
        result_window = wait_for("the result window", d.the_window(first.pid, containing="Result"))
        d.expect_first_line(result_window, "Result", "Your Inner Dreams Number is: 2")
        expect(result_window.description == "Your Inner Dreams Number is: 2",
               "the result window is described as %r" % result_window.description)
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
    front = [n.description for n in d.walk(main) if role_of(n) == "link"
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
        box = wait_for("'Please Enter Your First Name'", d.the_window(
            first.pid, BOX_TITLE, BOX_ROLES, "Please Enter Your First Name"))
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
                            ("Click here to visit www.orvaneth.example", "home-page")])
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
    shown = [n.name for n in d.walk(screen) if role_of(n) == "label"]
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
    expect(titles == [WINDOW_TITLE], "the windows on screen are titled %r, expected only the "
           "exit screen's %r" % (titles, WINDOW_TITLE))
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
    fds = d.inherited_fds()
    expect(fds == [[]] * len(fds), "the browser was given the program's descriptors %r" % fds)
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
