#include "app/command_line.h"

#include "app/displays.h"
#include "app/terminal.h"
#include "app/translations.h"
#include "build_config.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCoreApplication>
#include <QFileInfo>

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

CommandLine::CommandLine(int argc, char** argv, const Translations& translations)
    : m_arguments(argumentList(argc, argv)), m_self(programName(m_arguments)) {
    // Qt's own options are written with one dash; so may ours be (-help, -version).
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.setApplicationDescription(translations.Translate(
        "CommandLine",
        QT_TRANSLATE_NOOP("CommandLine", "Computes the inner dreams number of a full name.")));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        translations.Translate("CommandLine",
                               QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit.")));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        translations.Translate("CommandLine",
                               QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit.")));
    m_parser.addOption(help);
    m_parser.addOption(version);
    acceptQtOptions(m_parser);
    // No application object exists yet, so Qt words a missing or unexpected option value in
    // English; everything else is said in the user's language.
    if (!m_parser.parse(m_arguments))
        m_outcome = Outcome::BadOption;
    else if (m_parser.isSet(help))
        m_outcome = Outcome::Help;
    else if (m_parser.isSet(version))
        m_outcome = Outcome::Version;
    else if (!m_parser.positionalArguments().isEmpty())
        m_outcome = Outcome::UnexpectedArgument;
    // Checked here because Qt, finding no display, prints its plugin messages and aborts.
    else if (!NoDisplayText(m_parser, m_self).isEmpty())
        m_outcome = Outcome::NoDisplay;
}

// Qt names an unknown option without its dashes and in its own quotes; this names it as typed,
// quoted like the program's other messages.
QString CommandLine::badOption() const {
    const QStringList unknown = m_parser.unknownOptionNames();
    if (unknown.isEmpty())
        return m_parser.errorText();
    QString typed = unknown.constFirst();
    for (const QString& argument : m_arguments.mid(1)) {
        const QString name = argument.section(QLatin1Char('='), 0, 0);
        if (name.startsWith(QLatin1Char('-')) &&
            name.mid(name.startsWith(QLatin1String("--")) ? 2 : 1) == typed) {
            typed = name;
            break;
        }
    }
    return QCoreApplication::translate("CommandLine", "unknown option '%1'.").arg(typed);
}

QString CommandLine::UnreachableDisplayLine(const Translations& translations) const {
    return QStringLiteral("%1: %2").arg(m_self,
                                        UnreachableDisplayText(m_parser, m_self, translations));
}

std::optional<int> CommandLine::Answer(Translations& translations) const {
    // An ordinary start ends here.
    if (m_outcome == Outcome::Start)
        return std::nullopt;

    // Everything below prints and ends the run, in the user's language. Qt translates only
    // through an application object, so one exists for the moment; named after the program,
    // it gives the usage line the name the user typed.
    QByteArray name = m_self.toLocal8Bit();
    char* nameArgv[] = {name.data(), nullptr};
    int nameArgc = 1;
    std::optional<QCoreApplication> speaking;
    if (!translations.IsEmpty()) {
        speaking.emplace(nameArgc, nameArgv);
        translations.Install();
    }
    const auto tryHelp = [this] {
        return QCoreApplication::translate("CommandLine", "Try '%1 --help'.").arg(m_self);
    };
    switch (m_outcome) {
    case Outcome::BadOption:
        printLine(Channel::Error, QStringLiteral("%1: %2 %3").arg(m_self, badOption(), tryHelp()));
        return 1;
    case Outcome::Help: {
        // Without an application object Qt cannot know the program's name for the usage line.
        const QString text =
            m_parser.helpText().replace(QLatin1String("<executable_name>"), m_self);
        Tell(Channel::Output, text);
        return 0;
    }
    case Outcome::Version:
        printLine(Channel::Output, QStringLiteral("Lunavik " LUNAVIK_VERSION_TEXT));
        return 0;
    case Outcome::UnexpectedArgument:
        printLine(Channel::Error,
                  QStringLiteral("%1: %2 %3")
                      .arg(m_self,
                           QCoreApplication::translate(
                               "CommandLine", "unexpected argument '%1'; Lunavik opens no files.")
                               .arg(m_parser.positionalArguments().constFirst()),
                           tryHelp()));
        return 1;
    case Outcome::NoDisplay: // said again, now in the user's language
        printLine(Channel::Error,
                  QStringLiteral("%1: %2").arg(m_self, NoDisplayText(m_parser, m_self)));
        return 1;
    case Outcome::Start:
        break;
    }
    return std::nullopt;
}

} // namespace app
