#include "shell/mod_help.h"

#include "build_config.h"
#include "forms/controls.h"
#include "forms/forms.h"
#include "platform/services.h"
#include "shell/carry_on.h"
#include "shell/msg_box.h"
#include "shell/setting_encoding.h"

#include <QCoreApplication>
#include <QLocale>

QString modHelp::SiteFolderUrl() { return QStringLiteral(LUNAVIK_SITE_BASE "/lunavik/"); }

QString modHelp::BoardHost() { return QStringLiteral(LUNAVIK_BOARD_HOST); }

QString modHelp::PageUrl(const char* pageKey) {
    return SiteFolderUrl() + QLatin1String("ssd.php?page=") + QLatin1String(pageKey);
}

void modHelp::OpenInBrowser(platform::Platform& platform, const QString& url) {
    if (!platform.urls.Open(url))
        MsgBox(platform,
               QCoreApplication::translate("modHelp",
                                           "Lunavik could not open the page in your web browser."),
               platform::MsgIcon::Critical);
}

void modHelp::open(const char* pageKey) { OpenInBrowser(m_platform, PageUrl(pageKey)); }

void modHelp::OpenSoftwaresPage() { open("orvanethsoftwares"); }
void modHelp::OpenDonatePage() { open("donate"); }
void modHelp::OpenHelpPage() { open("help-web-page"); }
void modHelp::OpenCoBrandPage() { open("co-brand"); }
void modHelp::OpenFullBrandPage() { open("fully-branded"); }
void modHelp::OpenHomePage() { open("home-page"); }
void modHelp::OpenDownloadPage() { open("download-web-page"); }

void modHelp::CheckBoxLink_Click(forms::FormCheckButton& box) {
    if (box.Value() != 1)
        return;
    box.SetValue(0); // raises a Click of its own, which finds 0 and does nothing
    OpenHomePage();
}

void modHelp::UnloadAllAndEnd() {
    m_shuttingDown = true;
    // A copy: unloading changes the collection under our feet.
    const std::vector<forms::Form*> loaded = m_runtime.Forms();
    for (forms::Form* form : loaded) {
        if (m_ended)
            break; // a nested run already finished the job
        if (!form->IsLoaded() || form->IsUnloading())
            continue;
        CarryOn([form] { form->Unload(); }); // a failing window must not keep the process alive
    }
    if (!m_ended) {
        m_ended = true;
        m_platform.ender.End(0);
    }
}

using namespace setting_encoding;

void modHelp::storeNow() {
    platform::Platform& p = m_platform;
    p.settings.Save(p.appName, kReminderSection, ReminderKey(),
                    EncodeSetting(DateToSetting(p.clock.Now())));
}

void modHelp::CheckForUpdate() {
    // Switched off: no question, and the setting is never written.
    if (!m_updateReminder)
        return;
    platform::Platform& p = m_platform;
    const QString stored =
        DecodeSetting(p.settings.Read(p.appName, kReminderSection, ReminderKey()));
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
