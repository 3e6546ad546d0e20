#include "app/displays.h"

#include "app/translations.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <iterator>
#include <windows.h>

namespace app {
namespace {

// A Windows session always has its desktop: only the platform plugin itself can fail, when the
// installation lost it. Without one asked for, Qt takes its own.
QStringList requestedPlugins(const QCommandLineParser& parser) {
    const QStringList plugins = RequestedPlatforms(parser);
    return plugins.isEmpty() ? QStringList{QStringLiteral("windows")} : plugins;
}

// The folder of the executable itself: Qt's own is not known before its application object.
QString executableFolder() {
    wchar_t path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    return QFileInfo(QString::fromWCharArray(path, int(length))).absolutePath();
}

QString pluginLine(const QStringList& plugins, const Translations& translations) {
    return translations
        .Translate("CommandLine",
                   plugins.size() == 1
                       ? QT_TRANSLATE_NOOP("CommandLine",
                                           "the platform plugin %1 could not be started; install "
                                           "Lunavik again to put this right")
                       : QT_TRANSLATE_NOOP("CommandLine",
                                           "the platform plugins %1 could not be started; "
                                           "install Lunavik again to put this right"))
        .arg(translations.QuotedList(plugins));
}

// Where Qt will look for them: with none there, Qt would show an English box of its own before
// the program could say anything in the user's language.
bool pluginFound(const QCommandLineParser& parser) {
    QStringList folders = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")
                              .split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& folder :
         qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(';'), Qt::SkipEmptyParts))
        folders << folder + QLatin1String("/platforms");
    folders << executableFolder() + QLatin1String("/platforms")
            << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QLatin1String("/platforms");
    for (const QString& plugin : requestedPlugins(parser)) {
        const QString file = QLatin1Char('q') + plugin + QLatin1String(".dll");
        for (const QString& folder : folders)
            if (QFileInfo::exists(QDir(folder).filePath(file)))
                return true;
    }
    return false;
}

} // namespace

QString NoDisplayText(const QCommandLineParser& parser, const QString&,
                      const Translations& translations) {
    if (pluginFound(parser))
        return {};
    return pluginLine(requestedPlugins(parser), translations);
}

QString UnreachableDisplayText(const QCommandLineParser& parser, const QString&,
                               const Translations& translations) {
    return pluginLine(requestedPlugins(parser), translations);
}

} // namespace app
