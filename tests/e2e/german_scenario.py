"""The installed program on a German desktop (LANG=de_DE.UTF-8): its windows speak German, to a
screen reader too, the German access key works and the number is the one the name gives in
every language. Run by e2e_test.py --german, on the same virtual desktop as the English run."""
from harness import expect, log, wait_for

LOCALE = {"LANG": "de_DE.UTF-8", "LANGUAGE": "", "LC_ALL": "", "LC_MESSAGES": ""}


def main_window_in_german(d):
    first = d.launch("German instance")
    main = wait_for("the main window in German", d.the_window(first.pid, containing="Vorname"), 30)
    fields = {name: d.find(main, role="text", name=name)
              for name in ("Vorname", "Zweiter Vorname", "Nachname")}
    expect(all(fields.values()), "name fields on screen: %r" % fields)
    names = {n.name for n in d.walk(main)}
    for shown in ("Datei", "Hilfe", "Spenden", "Geburtsdatum", "Geburtsmonat", "Weiter"):
        expect(shown in names, "the main window shows no %r among %r" % (shown, sorted(names)))
    # The frame's German title names the group a screen reader says as the focus enters it.
    expect(d.find(main, role="panel", name="Geburtsdatum") is not None,
           "the date lists' frame is no group named 'Geburtsdatum'")
    wait_for("the focus in Vorname", lambda: d.focused(fields["Vorname"]), 10)
    return first, fields


def number_through_the_german_access_key(d, first, fields):
    d.type("john")
    d.key("Tab", "Tab")
    d.type("smith")
    wait_for("SMITH in Nachname", lambda: d.text_of(fields["Nachname"]) == "SMITH", 10)
    d.key("alt+w")  # &Weiter
    result = wait_for("the result window", d.the_window(first.pid, containing="Ergebnis"), 15)
    d.expect_first_line(result, "Ergebnis", "Ihre innere Traumzahl lautet: 2")
    log("German windows, access key and result: JOHN SMITH gives 2")


def second_start_refused_in_german(d, first, fields):
    second = d.launch("second German instance")
    box = wait_for("the second instance's box in German", lambda: d.the_window(
        second.pid, "Lunavik", ("alert",), containing="Das Programm läuft bereits.")(), 30)
    expect(d.find(box, role="push button") is not None, "the box has no button")
    d.key("Return")
    second.wait(timeout=15)
    expect(second.returncode == 0, "the second instance ended with %r" % second.returncode)
    log("the second instance said so in German and ended")


def scenario(d):
    first, fields = main_window_in_german(d)
    for step in (number_through_the_german_access_key, second_start_refused_in_german):
        step(d, first, fields)
