"""The installer and the installed program under Wine, on scripts/xvfb.sh's X server: install,
the main flow as typed, a second start, the registry, a German Windows, uninstall. Wine has no
accessibility bridge: Ctrl+C copies a message box, Ctrl+A, Ctrl+C a text box, xclip reads what
Wine hands X. Usage: installed_program_test.py SETUP_EXE, in the Wine prefix WINEPREFIX names."""
import os
import subprocess
import sys
import time

from harness import WINDOW_TITLE, check, expect, finish, log, run_steps, wait_exit, wait_for

SETUP = sys.argv[1]
PREFIX = os.environ["WINEPREFIX"]
INSTALLED = os.path.join(PREFIX, "drive_c", "Program Files", "Lunavik")
PROGRAM = r"C:\Program Files\Lunavik\bin\Lunavik.exe"
SHORTCUT = os.path.join(PREFIX, "drive_c", "ProgramData", "Microsoft", "Windows", "Start Menu",
                        "Programs", WINDOW_TITLE.replace(" v", " "), "Lunavik.lnk")
started = []


def wine(*args, **env):
    # reg prints the stored key's shifted characters in the console's code page
    return subprocess.run(["wine", *args], env=dict(os.environ, **env), capture_output=True,
                          text=True, errors="replace", timeout=120)


def start(**env):
    proc = subprocess.Popen(["wine", PROGRAM], env=dict(os.environ, **env),
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    started.append(proc)
    return proc


def window(title):
    """The X window of the mapped Windows window with exactly this title, focused."""
    def find():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                               capture_output=True, text=True).stdout.split()
        return found[-1] if found else None
    w = wait_for("the window %r" % title, find, timeout=90)
    for how in ("windowactivate", "windowfocus"):
        subprocess.run(["xdotool", how, "--sync", w], capture_output=True)
    time.sleep(0.5)  # Wine passes the activation on to the program's own message loop
    return w


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--delay", "60", name], check=True)
        time.sleep(0.15)


def copied(*shortcut):
    """What the program puts on the clipboard for the keys (its own Copy)."""
    subprocess.run(["xclip", "-selection", "clipboard", "/dev/null"], check=True)
    keys(*shortcut)
    return wait_for("the clipboard", lambda: subprocess.run(
        ["xclip", "-o", "-selection", "clipboard"], capture_output=True,
        text=True).stdout.replace("\r\n", "\n"), timeout=15)


def install():
    expect(wine(SETUP, "/S").returncode == 0, "the silent install failed")
    subprocess.run(["wineserver", "-w"], timeout=120)
    for path in ("bin/Lunavik.exe", "bin/Qt6Widgets.dll", "bin/platforms/qwindows.dll",
                 "bin/translations/qtbase_de.qm", "Uninstall.exe"):
        check(os.path.exists(os.path.join(INSTALLED, path)), "installed: " + path)
    check(os.path.exists(SHORTCUT), "the Start-menu entry")
    listed = wine("reg", "query",
                  r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lunavik").stdout
    check("Lunavik" in listed and "Uninstall.exe" in listed, "in installed apps: " + listed)


def main_flow():
    first = start(LANG="en_US.UTF-8")
    window(WINDOW_TITLE)
    subprocess.run(["xdotool", "type", "--delay", "80", "john"], check=True)
    check(copied("ctrl+a", "ctrl+c") == "JOHN", "First Name shows JOHN")
    keys("Tab", "Tab")
    subprocess.run(["xdotool", "type", "--delay", "80", "smith"], check=True)
    check(copied("ctrl+a", "ctrl+c") == "SMITH", "Last Name shows SMITH")
    keys("alt+n")
    time.sleep(2)
    result = copied("shift+Tab", "ctrl+a", "ctrl+c")  # from Back into the result
    check(result.startswith("Your Inner Dreams Number is: 2\n"), "the result: %r" % result[:80])

    second = start(LANG="en_US.UTF-8")
    window("Lunavik")
    notice = copied("ctrl+c")
    check("Application is already running" in notice, "the second start's notice: %r" % notice)
    keys("Return")
    check(wait_exit(second, "the second start", 60) == 0, "the second start ends")

    # Closing the result window leads to the exit screen, whose Exit ends the program.
    window(WINDOW_TITLE)
    keys("alt+F4")
    time.sleep(2)
    keys("alt+x")
    wait_exit(first, "the program after Exit", 60)
    setting = wine("reg", "query", r"HKCU\Software\Orvaneth Softwares\Lunavik\Settings").stdout
    check("REG_SZ" in setting, "the reminder's date in the registry: %r" % setting)


def german():
    proc = start(LANG="de_DE.UTF-8", LC_ALL="de_DE.UTF-8")
    window(WINDOW_TITLE)
    keys("alt+w")  # Weiter, with no name typed
    notice = copied("ctrl+c")
    check("Bitte geben Sie Ihren Vornamen ein.\n" in notice and "OK" in notice,
          "the German notice: %r" % notice)
    keys("Return")
    subprocess.run(["wineserver", "-k"])
    proc.wait(timeout=30)


def uninstall():
    expect(wine(os.path.join(INSTALLED, "Uninstall.exe"), "/S").returncode == 0,
           "the silent uninstall failed")
    subprocess.run(["wineserver", "-w"], timeout=120)
    wait_for("the uninstaller to finish",
             lambda: not os.path.exists(os.path.join(INSTALLED, "bin")), timeout=60)
    check(not os.path.exists(SHORTCUT), "the Start-menu entry is gone")


def steps():
    for step in (install, main_flow, german, uninstall):
        log(step.__name__)
        step()


def diagnose():
    for proc in started:
        if proc.poll() is not None and proc.stdout:
            print(proc.stdout.read()[-2000:])


def clean_up():
    subprocess.run(["wineserver", "-k"], capture_output=True)


status = run_steps(steps, diagnose, clean_up)
if status == 0:
    finish("Windows installer and program")
sys.exit(status)
