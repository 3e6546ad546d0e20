#include "platform/qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#define LUNAVIK_LEAK_CHECK
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LUNAVIK_LEAK_CHECK
#endif
#endif
#ifdef LUNAVIK_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace platform {

MsgAnswer QtMessageBox::Show(const QString& text, MsgIcon icon, MsgButtons buttons,
                             const QString& title) {
    QMessageBox box(icon == MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    title, LineFeedsOnly(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        // Closing the question without an answer counts as No.
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (buttons == MsgButtons::YesNo)
        return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    return MsgAnswer::Ok;
}

bool DesktopUrlService::Open(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

QtSettingsStore::~QtSettingsStore() = default;

UserSettings& QtSettingsStore::settingsFor(const QString& appName) {
    auto& slot = m_places[appName];
    if (!slot) {
        slot = std::make_unique<UserSettings>(appName);
        tellOnce(*slot);
    }
    return *slot;
}

void QtSettingsStore::tellOnce(const UserSettings& settings) {
    if (m_told || settings.Problem().isEmpty())
        return;
    m_told = true;
    if (m_tell)
        m_tell(settings.Problem());
}

QString QtSettingsStore::Read(const QString& appName, const QString& section, const QString& key) {
    return settingsFor(appName).Read(section + QLatin1Char('/') + key);
}

void QtSettingsStore::Save(const QString& appName, const QString& section, const QString& key,
                           const QString& value) {
    UserSettings& settings = settingsFor(appName);
    if (!settings.Save(section + QLatin1Char('/') + key, value))
        tellOnce(settings);
}

void QtSettingsStore::Flush() {
    for (auto& [name, settings] : m_places)
        settings->Flush();
}

void QtClipboard::Clear() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    clipboard->clear(QClipboard::Clipboard);
    // On X11 and Wayland a selection is copied as it is made; middle-click pastes it.
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
}

void StdRandomGenerator::Randomize() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float StdRandomGenerator::Rnd() {
    // 24 random bits scaled into [0, 1): every value is exact in a float and never reaches 1.
    return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f);
}

void ExitProcessEnder::End(int status) {
    m_settings.Flush();
    m_instance.Release();
    std::fflush(nullptr);
#ifdef LUNAVIK_LEAK_CHECK
    // _Exit skips the leak check a sanitizer build runs at exit; this is the program's only
    // way out, so the check runs here, with everything still in use reachable.
    __lsan_do_leak_check();
#endif
    std::_Exit(status);
}

QString ExecutableBaseName() {
    const QString path = QCoreApplication::applicationFilePath();
    QString name = QFileInfo(path).completeBaseName();
    return name.isEmpty() ? QStringLiteral("lunavik") : name;
}

} // namespace platform
