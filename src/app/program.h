#pragma once

#include "build_config.h"
#include "forms/forms.h"
#include "promo/exit_screen.h"
#include "promo/refer_a_friend.h"
#include "shell/exit_handoff.h"
#include "shell/mod_help.h"
#include "shell/startup.h"
#include "ui/about_box.h"
#include "ui/main_window.h"
#include "ui/result_window.h"

// The whole application: its windows, each existing once, and its modules, over one set of
// platform services. This is the one place that knows them all; each window is handed the
// few others it works with.
class Program {
public:
    // What the windows need changed in Qt for the whole process: assistive technology reads them
    // through interfaces of their own, and some of their accessibility events are held back.
    // Once, before the first Program.
    static void InstallAccessibility();

    // updateReminder: whether the program reminds the user to look for a newer version; the
    // build decides.
    explicit Program(platform::Platform& services, bool updateReminder = LUNAVIK_UPDATE_REMINDER);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads the start-up window; its load handler is the start-up sequence.
    void Start();

protected:
    // Each is made from those declared before it; the few ties that run the other way are made
    // once all exist.
    forms::FormsRuntime m_runtime;
    modHelp m_help;
    modTellAFriend m_tellAFriend;
    ExitHandoff m_handoff;
    frmInnerDrmOrPerNo m_result;
    frmMain m_main;
    frmAbout m_about;
    frmStartup m_startup;
    frmNagScreen2 m_nag;
};
