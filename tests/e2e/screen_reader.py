import json
import os
import pty
import re
import shutil
import subprocess
import threading
import time
import tty

from harness import Failure, kill_group, log, wait_for


class ScreenReader:
    """Orca on the desktop's display and buses, and what it has said.

    Orca writes every utterance to its debug file as a "SPEECH OUTPUT: '...'" line, with or
    without a speech synthesizer; none is used here (no speech server is set), so nothing is
    heard and nothing more is started. The debug file is a pseudo-terminal, so that Orca writes
    each line as it goes instead of whenever its buffer fills.
    """

    SETTINGS = {"general": {"speechServerFactory": "", "enableBraille": False,
                            "enableSound": False, "enableKeyEcho": False},
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
        self.version = 0  # Orca's major version, once started

    def start(self):
        if shutil.which("orca") is None:
            raise Failure("the screen reader Orca is not installed (Debian package orca)")
        said = subprocess.run(["orca", "--version"], capture_output=True, text=True, timeout=30)
        self.version = int(re.search(r"(\d+)\.", said.stdout).group(1))
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
        command = isolated + ["orca", "--user-prefs", prefs, "--debug-file", os.ttyname(slave)]
        self.proc = subprocess.Popen(command, env=self.desktop.env, stdin=subprocess.DEVNULL,
                                     stdout=out, stderr=subprocess.STDOUT, start_new_session=True)
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

    # What Orca 48 (Debian 13) words differently from Orca 43 (Debian 12) by design, and only
    # that, in one place: the tests expect Orca 43's words. Orca 48 calls a push button a
    # "button", names a window without a closing full stop and says a list's value in the same
    # sentence as its role.
    ORCA_48 = ((re.compile(r"(?<!push )\bbutton\b"), "push button"),
               (re.compile(r"^(.*? (?:frame|dialog))(?= |$)"), r"\1."),
               (re.compile(r" combo box (?=\S)"), " combo box. "))

    def says_group_at_list(self):
        """Orca 48 names no group as the focus lands on a list, in any program: its speech for a
        list leaves out the groups the focus entered, which Orca 43 says first."""
        return self.version < 48

    def description_on_switch(self, text):
        """What Orca says of a window's description as the window opens in place of another
        that goes: Orca 48 says none (it takes the new window for where the focus came from,
        and leaves out what it said there). The tests check the description through AT-SPI."""
        return text if self.version < 48 else ""

    def said(self):
        """Every utterance so far, in order, in Orca 43's words."""
        with self.lock:
            entries = self.spoken + ([self.utterance] if self.utterance is not None else [])
        matches = (self.UTTERANCE.match(entry) for entry in entries)
        spoken = [m.group(1) for m in matches if m]
        for pattern, words in self.ORCA_48:
            spoken = [pattern.sub(words, utterance) for utterance in spoken]
        return spoken

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
