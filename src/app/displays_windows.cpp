#include "app/displays.h"

#include "app/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <iterator>
#include <windows.h>

namespace app {
namespace {

// A Windows session always has its desktop: only the platform plugin itself can fail, when the
// installation lost it.
QString requestedPlugin(const QCommandLineParser& parser) {
    QString plugin = parser.value(QStringLiteral("platform"));
    if (plugin.isEmpty())
        plugin = qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("windows"));
    return plugin.section(QLatin1Char(':'), 0, 0);
}

// The folder of the executable itself: Qt's own is not known before its application object.
QString executableFolder() {
    wchar_t path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    return QFileInfo(QString::fromWCharArray(path, int(length))).absolutePath();
}

const char* const kPluginLine = QT_TRANSLATE_NOOP(
    "CommandLine",
    "the platform plugin '%1' could not be started; install Lunavik again to mend it");

} // namespace

// Where Qt will look for it: missing there, Qt would show an English box of its own before the
// program could say anything in the user's language.
QStringList MissingDisplays(const QCommandLineParser& parser) {
    const QString file = QLatin1Char('q') + requestedPlugin(parser) + QLatin1String(".dll");
    QStringList folders = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")
                              .split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& folder :
         qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(';'), Qt::SkipEmptyParts))
        folders << folder + QLatin1String("/platforms");
    folders << executableFolder() + QLatin1String("/platforms")
            << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QLatin1String("/platforms");
    for (const QString& folder : folders)
        if (QFileInfo::exists(QDir(folder).filePath(file)))
            return {};
    return {file};
}

QString NoDisplayText(const QCommandLineParser& parser, const QString&) {
    return QCoreApplication::translate("CommandLine", kPluginLine).arg(requestedPlugin(parser));
}

QString UnreachableDisplayText(const QCommandLineParser& parser, const QString&,
                               const Translations& translations) {
    return translations.Translate("CommandLine", kPluginLine).arg(requestedPlugin(parser));
}

} // namespace app
