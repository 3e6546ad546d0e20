#include "app/command_line.h"

#include "app/displays.h"
#include "app/terminal.h"
#include "app/translations.h"
#include "build_config.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace app {
namespace {

void printLine(Channel channel, const QString& text) { Tell(channel, text + u'\n'); }

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
    return MissingDisplays(parser).isEmpty() ? Outcome::Start : Outcome::NoDisplay;
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

} // namespace

QString UnreachableDisplayLine(int argc, char** argv, const Translations& translations) {
    const QStringList arguments = argumentList(argc, argv);
    QCommandLineParser parser;
    read(parser, arguments);
    const QString self = programName(arguments);
    return QStringLiteral("%1: %2").arg(self, UnreachableDisplayText(parser, self, translations));
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
        printLine(Channel::Error,
                  QStringLiteral("%1: %2 %3").arg(self, badOption(parser, arguments), tryHelp()));
        return 1;
    case Outcome::Help: {
        // Without an application object Qt cannot know the program's name for the usage line.
        const QString text = parser.helpText().replace(QLatin1String("<executable_name>"), self);
        Tell(Channel::Output, text);
        return 0;
    }
    case Outcome::Version:
        printLine(Channel::Output, QStringLiteral("Lunavik " LUNAVIK_VERSION_TEXT));
        return 0;
    case Outcome::UnexpectedArgument:
        printLine(Channel::Error,
                  QStringLiteral("%1: %2 %3")
                      .arg(self,
                           QCoreApplication::translate(
                               "CommandLine", "unexpected argument '%1'; Lunavik opens no files.")
                               .arg(parser.positionalArguments().constFirst()),
                           tryHelp()));
        return 1;
    case Outcome::NoDisplay:
        printLine(Channel::Error, QStringLiteral("%1: %2").arg(self, NoDisplayText(parser, self)));
        return 1;
    case Outcome::Start:
        break;
    }
    return std::nullopt;
}

} // namespace app
