#pragma once

#include "platform/services.h"
#include "shell/app_title.h"

#include <QString>

// A modal message box titled with the application title.
inline platform::MsgAnswer MsgBox(platform::Platform& platform, const QString& text,
                                  platform::MsgIcon icon,
                                  platform::MsgButtons buttons = platform::MsgButtons::Ok) {
    return platform.messageBox.Show(text, icon, buttons, QString::fromLatin1(kAppTitle));
}
