#pragma once

#include "build_config.h"
#include "platform/services.h"

#include <QString>

// The application title, on every message box, and the caption its windows show.
inline const char* const kAppTitle = "Lunavik";
inline const char* const kWindowCaption = "Lunavik v" LUNAVIK_VERSION_TEXT;
// The maker's discussion board, as the windows name it.
inline QString BoardHost() { return QStringLiteral(LUNAVIK_BOARD_HOST); }

// A modal message box titled with the application title.
inline platform::MsgAnswer MsgBox(platform::Platform& platform, const QString& text,
                                  platform::MsgIcon icon,
                                  platform::MsgButtons buttons = platform::MsgButtons::Ok) {
    return platform.messageBox.Show(text, icon, buttons, QString::fromLatin1(kAppTitle));
}
