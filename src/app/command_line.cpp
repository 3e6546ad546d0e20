#include "app/command_line.h"

#include "app/translations.h"
#include "build_config.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

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

// The X display the xcb plugin connects to.
QString x11Display(const QCommandLineParser& parser) {
    return parser.isSet(QStringLiteral("display")) ? parser.value(QStringLiteral("display"))
                                                   : qEnvironmentVariable("DISPLAY");
}

// The platform plugins asked for, in the order Qt tries them; empty when Qt picks one for the
// session.
QStringList requestedPlatforms(const QCommandLineParser& parser) {
    QString platforms = parser.value(QStringLiteral("platform"));
    if (platforms.isEmpty())
        platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    QStringList names;
    for (const QString& entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        names << entry.section(QLatin1Char(':'), 0, 0);
    return names;
}

bool isWayland(const QString& platform) { return platform.startsWith(QLatin1String("wayland")); }

bool hasDisplay(const QCommandLineParser& parser) {
    const bool x11 = !x11Display(parser).isEmpty();
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const QStringList platforms = requestedPlatforms(parser);
    if (platforms.isEmpty())
        return x11 || wayland;
    // A list of platforms is tried in turn; any that needs no window system (offscreen, vnc,
    // eglfs...) is its own business.
    for (const QString& name : platforms)
        if (name == QLatin1String("xcb") ? x11 : !isWayland(name) || wayland)
            return true;
    return false;
}

enum class Outcome { Start, BadOption, Help, Version, UnexpectedArgument, NoDisplay };

// Sets the parser up, its texts in the language installed at that moment, and reads the
// arguments with it.
Outcome read(QCommandLineParser& parser, const QStringList& arguments) {
    // Qt's own options are written with one dash; so may ours be (-help, -version).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Computes the inner dreams number of a full name."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    acceptQtOptions(parser);
    if (!parser.parse(arguments))
        return Outcome::BadOption;
    if (parser.isSet(help))
        return Outcome::Help;
    if (parser.isSet(version))
        return Outcome::Version;
    if (!parser.positionalArguments().isEmpty())
        return Outcome::UnexpectedArgument;
    // Checked here because Qt, finding no display, prints its plugin messages and aborts.
    return hasDisplay(parser) ? Outcome::Start : Outcome::NoDisplay;
}

// Qt names an unknown option without its dashes and in its own quotes; this names it as typed,
// quoted like the program's other messages.
QString badOption(const QCommandLineParser& parser, const QStringList& arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty())
        return parser.errorText();
    QString typed = unknown.constFirst();
    for (const QString& argument : arguments.mid(1)) {
        const QString name = argument.section(QLatin1Char('='), 0, 0);
        if (name.startsWith(QLatin1Char('-')) &&
            name.mid(name.startsWith(QLatin1String("--")) ? 2 : 1) == typed) {
            typed = name;
            break;
        }
    }
    return QCoreApplication::translate("CommandLine", "unknown option '%1'.").arg(typed);
}

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

QString programName(const QStringList& arguments) {
    return arguments.isEmpty() ? QStringLiteral("lunavik")
                               : QFileInfo(arguments.constFirst()).fileName();
}

// Which display Qt tried and could not reach, or which platform plugin would not start, and a
// command that runs the program on a virtual X server: the whole line, in the user's language.
// No application object can translate here, so the catalogue is read directly.
QString unreachableDisplayLine(const QStringList& arguments) {
    QCommandLineParser parser;
    read(parser, arguments);
    const QString self = programName(arguments);
    const QStringList requested = requestedPlatforms(parser);
    const QString x11 = x11Display(parser);
    QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    QStringList displays;
    QStringList plugins;
    if (requested.isEmpty()) {
        // Qt's own choice among the window systems the session names.
        displays << x11 << wayland;
    } else {
        if (wayland.isEmpty())
            wayland = QStringLiteral("wayland-0"); // where a Wayland client looks unless told
        for (const QString& name : requested)
            if (name == QLatin1String("xcb"))
                displays << x11;
            else if (isWayland(name))
                displays << wayland;
            else
                plugins << name;
    }
    displays.removeAll(QString());
    displays.removeDuplicates();
    // A platform asked for stays asked for under xvfb-run unless the command line overrides it.
    QString command = QStringLiteral("xvfb-run ") + self;
    if (!requested.isEmpty())
        command += QLatin1String(" -platform xcb");
    const Translations translations(Translations::DesktopLanguages());
    const QString text =
        displays.isEmpty()
            ? translations
                  .Translate("CommandLine",
                             QT_TRANSLATE_NOOP("CommandLine",
                                               "the platform plugin '%1' could not be started; "
                                               "to run it on a virtual display: %2"))
                  .arg(plugins.join(QLatin1String("', '")), command)
            : translations
                  .Translate("CommandLine",
                             QT_TRANSLATE_NOOP("CommandLine",
                                               "cannot reach the display %1; to run it on a "
                                               "virtual one: %2"))
                  .arg(displays.join(QLatin1String(", ")), command);
    return QStringLiteral("%1: %2").arg(self, text);
}

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

struct StartWatch {
    QStringList arguments;
    QtMessageHandler previous = nullptr;
    std::mutex mutex;
    std::vector<HeldMessage> held;
};

StartWatch* g_watch = nullptr;

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt would abort once this returns: a crash and a core dump for a missing display.
        printLine(stderr, unreachableDisplayLine(g_watch->arguments));
        std::_Exit(1);
    }
    const std::lock_guard<std::mutex> lock(g_watch->mutex);
    g_watch->held.push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

} // namespace

void HoldBackStartMessages(int argc, char** argv) {
    g_watch = new StartWatch;
    g_watch->arguments = argumentList(argc, argv);
    g_watch->previous = qInstallMessageHandler(holdBack);
}

void ReleaseStartMessages() {
    qInstallMessageHandler(g_watch->previous);
    for (const HeldMessage& m : g_watch->held) {
        const QMessageLogContext context(m.file.constData(), m.line, m.function.constData(),
                                         m.category.constData());
        g_watch->previous(m.type, context, m.text);
    }
    delete g_watch;
    g_watch = nullptr;
}

std::optional<int> HandleCommandLine(int argc, char** argv) {
    const QStringList arguments = argumentList(argc, argv);
    const QString self = programName(arguments);

    // An ordinary start ends here, before any catalogue is read.
    if (QCommandLineParser quiet; read(quiet, arguments) == Outcome::Start)
        return std::nullopt;

    // Everything below prints and ends the run, in the user's language. Qt translates only
    // through an application object, so one exists for the moment; named after the program,
    // it gives the usage line the name the user typed.
    Translations translations(Translations::DesktopLanguages());
    QByteArray name = self.toLocal8Bit();
    char* nameArgv[] = {name.data(), nullptr};
    int nameArgc = 1;
    std::optional<QCoreApplication> speaking;
    if (!translations.IsEmpty()) {
        speaking.emplace(nameArgc, nameArgv);
        translations.Install();
    }
    QCommandLineParser parser;
    const auto tryHelp = [&self] {
        return QCoreApplication::translate("CommandLine", "Try '%1 --help'.").arg(self);
    };
    switch (read(parser, arguments)) {
    case Outcome::BadOption:
        printLine(stderr,
                  QStringLiteral("%1: %2 %3").arg(self, badOption(parser, arguments), tryHelp()));
        return 1;
    case Outcome::Help: {
        // Without an application object Qt cannot know the program's name for the usage line.
        const QString text = parser.helpText().replace(QLatin1String("<executable_name>"), self);
        print(stdout, text);
        return 0;
    }
    case Outcome::Version:
        printLine(stdout, QStringLiteral("Lunavik " LUNAVIK_VERSION_TEXT));
        return 0;
    case Outcome::UnexpectedArgument:
        printLine(stderr,
                  QStringLiteral("%1: %2 %3")
                      .arg(self,
                           QCoreApplication::translate(
                               "CommandLine", "unexpected argument '%1'; Lunavik opens no files.")
                               .arg(parser.positionalArguments().constFirst()),
                           tryHelp()));
        return 1;
    case Outcome::NoDisplay:
        printLine(stderr, QStringLiteral("%1: %2").arg(
                              self, QCoreApplication::translate(
                                        "CommandLine",
                                        "no display found (DISPLAY and WAYLAND_DISPLAY are not "
                                        "set); to run it on a virtual one: xvfb-run %1")
                                        .arg(self)));
        return 1;
    case Outcome::Start:
        break;
    }
    return std::nullopt;
}

} // namespace app
