import os
import subprocess

from harness import Failure, Sandbox, log, scratch_env, show_outputs, wait_for
from screen_reader import ScreenReader


class Desktop(Sandbox):
    """The running session: X server, D-Bus, home folder, stand-in browser."""

    def __init__(self, build_dir):
        super().__init__("lunavik-e2e-")
        self.build_dir = build_dir
        self.reader = None  # a ScreenReader once start_screen_reader has run
        self.apps = []

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
        # It also writes down the descriptors it was given beyond the standard three: none of
        # the program's may reach what it starts (the listing's own is left out).
        with open(os.path.join(stubs, "xdg-open"), "w") as f:
            f.write("#!/usr/bin/python3\nimport os, sys\nfds = os.listdir('/proc/self/fd')\n"
                    "open(%r, 'a').write(' '.join(sys.argv[1:]) + '\\n')\n"
                    "open(%r, 'a').write(' '.join(sorted(fds, key=int)[4:]) + '\\n')\n"
                    % (self.opened, self.opened + ".fds"))
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

    def inherited_fds(self):
        return [line.split() for line in open(self.opened + ".fds")]

    def opened_urls(self):
        try:
            with open(self.opened) as f:
                return [line.rstrip("\n") for line in f if line.strip()]
        except FileNotFoundError:
            return []
