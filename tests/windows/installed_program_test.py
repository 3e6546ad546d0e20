"""The installer, the MSI and the installed program under Wine, on scripts/xvfb.sh's X server
(steps()). Wine has no accessibility bridge: Ctrl+C copies a message box, Ctrl+A, Ctrl+C a text
box, xclip reads what Wine hands X. Usage: installed_program_test.py SETUP_EXE MSI ZIP, in the Wine
prefix WINEPREFIX names, the files signed with the certificate LUNAVIK_SIGN_CERT names."""
import os
import re
import shlex
import subprocess
import sys
import time
import zipfile

from harness import WINDOW_TITLE, check, expect, finish, log, run_steps, wait_exit, wait_for

SETUP, MSI, ZIP = sys.argv[1:4]
PREFIX = os.environ["WINEPREFIX"]
FOLDER = r"C:\Apps\Lunavik"  # the user's choice, not the default
INSTALLED = os.path.join(PREFIX, "drive_c", "Apps", "Lunavik")
SHORTCUT = PREFIX + "/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Lunavik.lnk"
ENTRY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lunavik"
SETTINGS = r"HKCU\Software\Orvaneth Softwares"
# As on a real Windows, no LANG or LC_* in the programs' environment.
WINDOWS_ENV = {k: v for k, v in os.environ.items() if not k.startswith(("LANG", "LC_"))}
started = []


# One Lunavik.exe, signed once, in every package.
def exe_in(folder):
    with open(os.path.join(folder, "Lunavik.exe"), "rb") as exe:
        return exe.read()


def zipped_exe():
    with zipfile.ZipFile(ZIP) as z:
        return z.read(next(n for n in z.namelist() if n.endswith("Lunavik.exe")))


def wine(*args, **env):
    # reg prints the stored key's shifted characters in the console's code page
    return subprocess.run(["wine", *args], env=dict(WINDOWS_ENV, **env), capture_output=True,
                          text=True, errors="replace", timeout=120)


def start(program=FOLDER + r"\Lunavik.exe", **env):
    proc = subprocess.Popen(["wine", program], env=dict(WINDOWS_ENV, **env),
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
    # A fresh registry for the program: its settings must land in the user's own hive.
    wine("reg", "delete", SETTINGS, "/f")
    # Wine takes its display language from the Unix LC_ALL and copies it into the Windows
    # environment; the user's environment in the registry sets it back to C there.
    wine("reg", "add", r"HKCU\Environment", "/v", "LC_ALL", "/d", "C", "/f")
    expect(wine(SETUP, "/S", "/D=" + FOLDER).returncode == 0, "the silent install failed")
    subprocess.run(["wineserver", "-w"], timeout=120)
    for path in ("Lunavik.exe", "Qt6Widgets.dll", "platforms/qwindows.dll", "Uninstall.exe",
                 "styles/qwindowsvistastyle.dll", "THIRD-PARTY-NOTICES.txt",
                 *("translations/qtbase_%s.qm" % l
                   for l in os.environ["LUNAVIK_LANGUAGES"].split(";"))):
        check(os.path.exists(os.path.join(INSTALLED, path)), "installed: " + path)
    check(os.path.exists(SHORTCUT), "the Start-menu entry")
    size = sum(os.path.getsize(os.path.join(d, f)) for d, _, fs in os.walk(INSTALLED) for f in fs)
    check(size < 30e6, "installed: %.1f MB, more than 30 (an unstripped library?)" % (size / 1e6))
    with open(os.path.join(INSTALLED, "Lunavik.exe"), "rb") as exe:  # the version resource
        check(re.search("ProductVersion\0+1\\.70", exe.read().decode("utf-16-le", "replace")),
              "the executable's product version")
    listed = wine("reg", "query", ENTRY).stdout
    for value in ("DisplayName    REG_SZ    Lunavik\n", "DisplayVersion    REG_SZ    1.70\n",
                  "InstallLocation    REG_SZ    C:\\Apps\\Lunavik\n", "EstimatedSize    REG_DWORD",
                  'QuietUninstallString    REG_SZ    "C:\\Apps\\Lunavik\\Uninstall.exe" /S\n'):
        check(value in listed, "in Apps & features: %r in %r" % (value, listed))
    verify = ["osslsigncode", "verify", "-CAfile", os.environ["LUNAVIK_SIGN_CERT"], "-in"]
    shipped = [os.path.join(d, f) for d, _, fs in os.walk(INSTALLED) for f in fs
               if f.endswith((".exe", ".dll"))]
    for file in [SETUP, MSI] + shipped:
        said = subprocess.run(verify + [file], capture_output=True, text=True)
        check(said.returncode == 0 and re.search("digest algorithm *: SHA256", said.stdout),
              "signed with SHA-256: " + file)
    check(exe_in(INSTALLED) == zipped_exe(), "the installer's Lunavik.exe is the zip's")


def main_flow(program=FOLDER + r"\Lunavik.exe", second_start=True):
    first = start(program)
    window(WINDOW_TITLE)
    with open("/proc/%d/maps" % first.pid) as maps:  # wine runs the program in its own process
        check("styles/qwindowsvistastyle.dll" in maps.read(), "the Vista style is used")
    subprocess.run(["xdotool", "type", "--delay", "80", "john"], check=True)
    check(copied("ctrl+a", "ctrl+c") == "JOHN", "First Name shows JOHN")
    keys("Tab", "Tab")
    subprocess.run(["xdotool", "type", "--delay", "80", "smith"], check=True)
    check(copied("ctrl+a", "ctrl+c") == "SMITH", "Last Name shows SMITH")
    keys("alt+n")
    time.sleep(2)
    result = copied("shift+Tab", "ctrl+a", "ctrl+c")  # from Back into the result
    check(result.startswith("Your Inner Dreams Number is: 2\n"), "the result: %r" % result[:80])

    if second_start:
        second = start(program)
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
    setting = wine("reg", "query", SETTINGS + r"\Lunavik\Settings").stdout
    check("REG_SZ" in setting, "the reminder's date in the registry: %r" % setting)


def reinstall():
    expect(wine(SETUP, "/S").returncode == 0, "the silent reinstall failed")
    subprocess.run(["wineserver", "-w"], timeout=120)
    check(os.path.exists(os.path.join(INSTALLED, "Lunavik.exe")) and not os.path.exists(
        os.path.join(PREFIX, "drive_c", "Program Files", "Lunavik")), "the folder is kept")
    setting = wine("reg", "query", SETTINGS + r"\Lunavik\Settings").stdout
    check("REG_SZ" in setting, "the reminder's date is kept: %r" % setting)


def german_while_running():
    # The reminder's date set to 2000-01-01 (each character shifted by 85) makes it due.
    due = os.path.join(PREFIX, "drive_c", "due.reg")
    with open(due, "w", encoding="utf-16", newline="\r\n") as f:
        f.write('Windows Registry Editor Version 5.00\n\n[%s\\Lunavik\\Settings]\n"%s"="%s"\n' % (
            SETTINGS.replace("HKCU", "HKEY_CURRENT_USER"), "\u2122\xca\xc7\xb6\xc9\xbe\xc4\xc3",
            "\u2021\u2026\u2026\u2026\u201a\u2026\u2020\u201a\u2026\u2020"))
    wine("reg", "import", r"C:\due.reg")
    proc = start(LC_ALL="de_DE.UTF-8")  # Wine's display language; Windows' environment has C
    window("Lunavik")
    notice = copied("ctrl+c")
    buttons = notice.replace("&", "").split()
    check("Möchten Sie nach Updates suchen?" in notice and "Ja" in buttons and "Nein" in buttons,
          "the German reminder: %r" % notice)
    keys("Escape")  # No
    window(WINDOW_TITLE)
    # NSIS's uninstaller hands over to a copy of itself; _?= keeps it in place, exit code too.
    failed = wine(FOLDER + r"\Uninstall.exe", "/S", "_?=" + FOLDER).returncode != 0
    check(failed and os.path.exists(os.path.join(INSTALLED, "Qt6Core.dll")) and "Lunavik" in
          wine("reg", "query", ENTRY).stdout, "a silent uninstall while Lunavik runs fails")
    subprocess.run(["wineserver", "-k"])
    proc.wait(timeout=30)


def uninstall():
    quiet = wine("reg", "query", ENTRY, "/v", "QuietUninstallString").stdout.split("REG_SZ")[-1]
    expect(wine(*shlex.split(quiet)).returncode == 0, "the silent uninstall failed")
    subprocess.run(["wineserver", "-w"], timeout=120)
    wait_for("the uninstaller to finish", lambda: not os.path.exists(INSTALLED), timeout=60)
    check(not os.path.exists(SHORTCUT), "the Start-menu entry is gone")
    check(wine("reg", "query", ENTRY).returncode != 0, "the Apps & features entry is gone")


def msi():
    expect(wine("msiexec", "/i", MSI, "/qn").returncode == 0, "msiexec /i /qn failed")
    check(exe_in(os.path.join(PREFIX, "drive_c", "Program Files", "Lunavik")) == zipped_exe(),
          "the MSI's Lunavik.exe is the zip's")
    main_flow(r"C:\Program Files\Lunavik\Lunavik.exe", second_start=False)
    expect(wine("msiexec", "/x", MSI, "/qn").returncode == 0, "msiexec /x /qn failed")
    check(not os.path.exists(os.path.join(PREFIX, "drive_c", "Program Files", "Lunavik")),
          "the MSI's files are gone")


def steps():
    for step in (install, main_flow, reinstall, german_while_running, uninstall, msi):
        log(step.__name__)
        step()


def diagnose():
    for proc in started:
        if proc.poll() is not None and proc.stdout:
            print(proc.stdout.read()[-2000:])


def clean_up():
    subprocess.run(["wineserver", "-k"], capture_output=True)
    wine("reg", "delete", r"HKCU\Environment", "/v", "LC_ALL", "/f")  # the prefix as it was


status = run_steps(steps, diagnose, clean_up)
if status == 0:
    finish("Windows installer and program")
sys.exit(status)
