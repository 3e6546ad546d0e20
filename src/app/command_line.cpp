#include "app/command_line.h"

#include "app/translations.h"
#include "build_config.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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

// The variables naming a display that the asked-for platforms need and do not find; empty when
// one of them can start. A list of platforms is tried in turn; any that needs no window system
// (offscreen, vnc, eglfs...) is its own business.
QStringList missingDisplays(const QCommandLineParser& parser) {
    const bool x11 = !x11Display(parser).isEmpty();
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    QStringList platforms = requestedPlatforms(parser);
    if (platforms.isEmpty()) // Qt's own choice among the window systems the session names
        platforms = {QStringLiteral("wayland"), QStringLiteral("xcb")};
    QStringList missing;
    for (const QString& name : platforms) {
        if (name == QLatin1String("xcb") ? x11 : !isWayland(name) || wayland)
            return {};
        missing << QString::fromLatin1(name == QLatin1String("xcb") ? "DISPLAY"
                                                                    : "WAYLAND_DISPLAY");
    }
    missing.removeDuplicates();
    return missing;
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
    return missingDisplays(parser).isEmpty() ? Outcome::Start : Outcome::NoDisplay;
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

// A command that runs the program on a virtual X server. A platform asked for stays asked for
// under xvfb-run unless the command line overrides it.
QString virtualDisplayCommand(const QCommandLineParser& parser, const QString& self) {
    QString command = self;
    if (!requestedPlatforms(parser).isEmpty())
        command += QLatin1String(" -platform xcb");
    return command;
}

} // namespace

QString UnreachableDisplayLine(int argc, char** argv, const Translations& translations) {
    const QStringList arguments = argumentList(argc, argv);
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
    const QString command = QStringLiteral("xvfb-run ") + virtualDisplayCommand(parser, self);
    QString text;
    if (displays.isEmpty())
        text = translations
                   .Translate("CommandLine",
                              QT_TRANSLATE_NOOP("CommandLine",
                                                "the platform plugin '%1' could not be started; "
                                                "to run it on a virtual display: %2"))
                   .arg(plugins.join(QLatin1String("', '")), command);
    else if (displays.size() == 1)
        text = translations
                   .Translate("CommandLine",
                              QT_TRANSLATE_NOOP("CommandLine",
                                                "cannot reach the display %1; to run it on a "
                                                "virtual one: %2"))
                   .arg(displays.constFirst(), command);
    else // an X11 and a Wayland display, each tried in turn
        text = translations
                   .Translate("CommandLine",
                              QT_TRANSLATE_NOOP("CommandLine",
                                                "cannot reach the displays %1 and %2; to run it "
                                                "on a virtual one: %3"))
                   .arg(displays.at(0), displays.at(1), command);
    return QStringLiteral("%1: %2").arg(self, text);
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
    case Outcome::NoDisplay: {
        const QStringList missing = missingDisplays(parser);
        const QString command = virtualDisplayCommand(parser, self);
        const QString text =
            missing.size() == 1
                ? QCoreApplication::translate("CommandLine",
                                              "no display found (%1 is not set); to run it on a "
                                              "virtual one: xvfb-run %2")
                      .arg(missing.constFirst(), command)
                : QCoreApplication::translate("CommandLine",
                                              "no display found (DISPLAY and WAYLAND_DISPLAY are "
                                              "not set); to run it on a virtual one: xvfb-run %1")
                      .arg(command);
        printLine(stderr, QStringLiteral("%1: %2").arg(self, text));
        return 1;
    }
    case Outcome::Start:
        break;
    }
    return std::nullopt;
}

} // namespace app
