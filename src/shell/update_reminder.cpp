#include "shell/app_title.h"
#include "shell/mod_help.h"
#include "shell/setting_encoding.h"

#include <QCoreApplication>
#include <QLocale>

using namespace settings_encoding;

namespace {
const QString kSection = QStringLiteral("Settings");
}

void modHelp::storeNow() {
    platform::Platform& p = m_platform;
    p.settings.Save(p.appName, kSection, EncodeSetting(QStringLiteral("Duration")),
                    EncodeSetting(DateToSetting(p.clock.Now())));
}

void modHelp::CheckForUpdate() {
    // Switched off: no question, and the setting is never written.
    if (!m_updateReminder)
        return;
    platform::Platform& p = m_platform;
    const QString stored = DecodeSetting(
        p.settings.Read(p.appName, kSection, EncodeSetting(QStringLiteral("Duration"))));
    const QDateTime last = stored.isEmpty() ? QDateTime() : DateFromSetting(stored, QLocale());
    // Nothing stored, or nothing readable: start counting from now.
    if (!last.isValid()) {
        storeNow();
        return;
    }
    const qint64 days = p.clock.Now().date().daysTo(last.date());
    if (days >= -14 && days <= 14)
        return;
    const platform::MsgAnswer answer = MsgBox(
        p,
        //: The carriage return between the sentences starts the second on a new line.
        QCoreApplication::translate("modHelp", "There maybe an update to this software available\r"
                                               "Do you want to check for an update?"),
        platform::MsgIcon::Information, platform::MsgButtons::YesNo);
    storeNow();
    if (answer == platform::MsgAnswer::Yes)
        OpenDownloadPage();
}
