#pragma once

#include "platform/forms.h"
#include "promo/exit_screen.h"
#include "promo/refer_a_friend.h"
#include "shell/mod_help.h"
#include "shell/startup.h"
#include "ui/about_box.h"
#include "ui/main_window.h"
#include "ui/result_window.h"

// The whole application: its windows, each existing once, and its modules, over one set of
// platform services. Windows reach each other through it.
class Program {
public:
    explicit Program(platform::Platform& platform);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    platform::Platform& platform;
    forms::FormsRuntime runtime;
    modHelp help;
    modTellAFriend tellAFriend;
    frmStartup startup;
    frmMain main;
    frmInnerDrmOrPerNo result;
    frmAbout about;
    frmNagScreen2 nag;

    // Loads the start-up window; its load handler is the start-up sequence.
    void Start();

    // A modal message box titled with the application title.
    platform::MsgAnswer Message(const QString& text, platform::MsgIcon icon,
                                platform::MsgButtons buttons = platform::MsgButtons::Ok);
};
