#include "platform/qt_services.h"

#include "platform/design.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>
#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace platform {

QString QtMessageBox::DisplayText(const QString& text) { return forms::LineFeedsOnly(text); }

MsgAnswer QtMessageBox::Show(const QString& text, MsgIcon icon, MsgButtons buttons,
                             const QString& title) {
    QMessageBox box(icon == MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    title, DisplayText(text), QMessageBox::NoButton, QApplication::activeWindow());
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

void DesktopUrlService::Open(const QString& url) {
    // The result is deliberately ignored: no browser simply means nothing opens.
    QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

QtSettingsStore::QtSettingsStore(QString folder) : m_folder(std::move(folder)) {
    if (m_folder.isEmpty())
        m_folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QSettings& QtSettingsStore::settingsFor(const QString& appName) {
    auto& slot = m_files[appName];
    if (!slot) {
        const QString path =
            QDir(m_folder).filePath(appName + QLatin1Char('/') + appName + QLatin1String(".ini"));
        slot = std::make_unique<QSettings>(path, QSettings::IniFormat);
    }
    return *slot;
}

QString QtSettingsStore::Read(const QString& appName, const QString& section, const QString& key) {
    QSettings& s = settingsFor(appName);
    // A value of another type (a damaged file) reads as text, or as empty.
    return s.value(section + QLatin1Char('/') + key).toString();
}

void QtSettingsStore::Save(const QString& appName, const QString& section, const QString& key,
                           const QString& value) {
    QSettings& s = settingsFor(appName);
    s.setValue(section + QLatin1Char('/') + key, value);
    // Written at once: the value must survive a crash later in the session.
    s.sync();
}

void QtSettingsStore::Flush() {
    for (auto& [name, s] : m_files)
        s->sync();
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

LockFileInstanceGuard::LockFileInstanceGuard(const QString& appName, QString folder) {
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    m_path = QDir(folder).filePath(appName + QLatin1String(".lock"));
}

bool LockFileInstanceGuard::AnotherInstanceRunning() {
    if (m_lock && m_lock->isLocked())
        return false;
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a living owner counts; a lock left by a dead process is taken over at once.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return false;
    if (m_lock->error() == QLockFile::LockFailedError) {
        // A lock file nobody can read (its writer died while creating it) names no owner;
        // once it is a few seconds old it is taken over instead of refusing every start.
        qint64 pid = 0;
        QString host, app;
        const QFileInfo info(m_path);
        if (!m_lock->getLockInfo(&pid, &host, &app) &&
            info.lastModified().secsTo(QDateTime::currentDateTime()) > 5 &&
            m_lock->removeStaleLockFile() && m_lock->tryLock(0))
            return false;
        return true;
    }
    // The folder cannot hold a lock (read-only, missing): better to start than to refuse.
    return false;
}

void LockFileInstanceGuard::Release() {
    if (m_lock)
        m_lock->unlock();
}

void ExitProcessEnder::End(int status) {
    m_settings.Flush();
    m_instance.Release();
    std::fflush(nullptr);
    ::_exit(status);
}

QString ExecutableBaseName() {
    const QString path = QCoreApplication::applicationFilePath();
    QString name = QFileInfo(path).completeBaseName();
    return name.isEmpty() ? QStringLiteral("lunavik") : name;
}

} // namespace platform
