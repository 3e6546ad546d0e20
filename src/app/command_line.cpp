#include "app/command_line.h"

#include "build_config.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

namespace app {
namespace {

void print(std::FILE* stream, const QString& text) {
    std::fprintf(stream, "%s", text.toLocal8Bit().constData());
}

void printLine(std::FILE* stream, const QString& text) { print(stream, text + u'\n'); }

// The options QApplication reads itself; declared so they pass the check below, and hidden from
// the help like every Qt program's.
void acceptQtOptions(QCommandLineParser& parser) {
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "style",
          "stylesheet", "qwindowgeometry", "qwindowtitle", "qwindowicon", "session"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "nograb", "dograb", "sync", "widgetcount"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

bool hasDisplay(const QCommandLineParser& parser) {
    const bool x11 =
        !qEnvironmentVariableIsEmpty("DISPLAY") || parser.isSet(QStringLiteral("display"));
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    QString platforms = parser.value(QStringLiteral("platform"));
    if (platforms.isEmpty())
        platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platforms.isEmpty())
        return x11 || wayland;
    // A list of platforms is tried in turn; any that needs no window system (offscreen, vnc,
    // eglfs...) is its own business.
    for (const QString& entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0);
        if (name == QLatin1String("xcb") ? x11
                                         : !name.startsWith(QLatin1String("wayland")) || wayland)
            return true;
    }
    return false;
}

} // namespace

std::optional<int> HandleCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString self =
        argc > 0 ? QFileInfo(arguments.constFirst()).fileName() : QStringLiteral("lunavik");

    QCommandLineParser parser;
    // Qt's own options are written with one dash; so may ours be (-help, -version).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Computes the inner dreams number of a full name."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    acceptQtOptions(parser);

    if (!parser.parse(arguments)) {
        printLine(stderr, QStringLiteral("%1: %2 Try '%1 --help'.").arg(self, parser.errorText()));
        return 1;
    }
    if (parser.isSet(help)) {
        // Without an application object Qt cannot know the program's name for the usage line.
        const QString text = parser.helpText().replace(QLatin1String("<executable_name>"), self);
        print(stdout, text);
        return 0;
    }
    if (parser.isSet(version)) {
        printLine(stdout, QStringLiteral("Lunavik " LUNAVIK_VERSION_TEXT));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        printLine(stderr, QStringLiteral("%1: unexpected argument '%2'; Lunavik opens no files. "
                                         "Try '%1 --help'.")
                              .arg(self, parser.positionalArguments().constFirst()));
        return 1;
    }
    // Checked here because Qt, finding no display, prints its plugin messages and aborts.
    if (!hasDisplay(parser)) {
        printLine(stderr, QStringLiteral("%1: no display found (DISPLAY and WAYLAND_DISPLAY are "
                                         "not set); to run it on a virtual one: xvfb-run %1")
                              .arg(self));
        return 1;
    }
    return std::nullopt;
}

} // namespace app
