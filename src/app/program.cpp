#include "app/program.h"

#include "platform/app_icon.h"
#include "ui/colours.h"

Program::Program(platform::Platform& platform)
    : platform(platform), runtime(platform), help(*this), tellAFriend(*this), startup(*this),
      main(*this), result(*this), about(*this), nag(*this) {
    runtime.SetApplicationIcon(platform::ApplicationIcon());
}

platform::MsgAnswer Program::Message(const QString& text, platform::MsgIcon icon,
                                     platform::MsgButtons buttons) {
    return platform.messageBox.Show(text, icon, buttons, QString::fromLatin1(kAppTitle));
}

void Program::Start() { startup.Load(); }
