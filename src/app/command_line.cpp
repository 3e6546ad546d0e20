#include "app/command_line.h"

#include "app/displays.h"
#include "app/terminal.h"
#include "app/translations.h"
#include "build_config.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QFileInfo>

namespace app {
namespace {

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
    const auto says = [&translations](const char* source) {
        return translations.Translate("CommandLine", source);
    };
    // Qt's own options are written with one dash; so may ours be (-help, -version).
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.setApplicationDescription(
        says(QT_TRANSLATE_NOOP("CommandLine", "Computes the inner dreams number of a full name.")));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        says(QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit.")));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        says(QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit.")));
    m_parser.addOption(help);
    m_parser.addOption(version);
    acceptQtOptions(m_parser);
    const QString tryHelp = says(QT_TRANSLATE_NOOP("CommandLine", "Try '%1 --help'.")).arg(m_self);
    // No application object exists, so Qt words a missing or unexpected option value in
    // English; everything else is said in the user's language.
    if (!m_parser.parse(m_arguments)) {
        end(1, Channel::Error,
            QStringLiteral("%1: %2 %3").arg(m_self, badOption(translations), tryHelp));
    } else if (m_parser.isSet(help)) {
        end(0, Channel::Output, helpText(translations));
    } else if (m_parser.isSet(version)) {
        end(0, Channel::Output, QStringLiteral("Lunavik " LUNAVIK_VERSION_TEXT "\n"));
    } else if (!m_parser.positionalArguments().isEmpty()) {
        const QString unexpected = says(
            QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'; Lunavik opens no files."));
        end(1, Channel::Error,
            QStringLiteral("%1: %2 %3")
                .arg(m_self, unexpected.arg(m_parser.positionalArguments().constFirst()), tryHelp));
    } else if (const QString none = NoDisplayText(m_parser, m_self, translations);
               !none.isEmpty()) {
        // Checked here because Qt, finding no display, prints its plugin messages and aborts.
        end(1, Channel::Error, QStringLiteral("%1: %2").arg(m_self, none));
    } else {
        m_unreachable = QStringLiteral("%1: %2").arg(
            m_self, UnreachableDisplayText(m_parser, m_self, translations));
    }
}

void CommandLine::end(int status, Channel channel, const QString& text) {
    m_status = status;
    m_channel = channel;
    m_text = text.endsWith(u'\n') ? text : text + u'\n';
}

// Qt names an unknown option without its dashes and in its own quotes; this names it as typed,
// quoted like the program's other messages.
QString CommandLine::badOption(const Translations& translations) const {
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
    return translations
        .Translate("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "unknown option '%1'."))
        .arg(typed);
}

// Qt words the help's frame in its own catalogue, which only an application object would read;
// read from there, the frame needs none, and the usage line names the program as typed.
QString CommandLine::helpText(const Translations& translations) const {
    const auto qt = [&translations](const char* source) {
        return translations.Translate("QCommandLineParser", source);
    };
    return m_parser.helpText()
        .replace(QLatin1String("Usage: <executable_name> [options]"),
                 qt("Usage: %1").arg(m_self + u' ' + qt("[options]")))
        .replace(QLatin1String("\nOptions:\n"), u'\n' + qt("Options:") + u'\n');
}

std::optional<int> CommandLine::Answer() const {
    if (m_status)
        Tell(m_channel, m_text);
    return m_status;
}

} // namespace app
