#pragma once

#include "app/terminal.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace app {

class Translations;

// The command line, read once, before any window, Qt platform plugin or instance check exists:
// what the run is to do, whether a display can be reached, and what is then to be said, all
// worked out at once in the language of the translations it is read with.
class CommandLine {
public:
    CommandLine(int argc, char** argv, const Translations& translations);

    // When the run ends here (help, version, a bad argument, no display): prints what there is
    // to say and gives the exit status. Nothing when the program is to start.
    std::optional<int> Answer() const;

    // The one line that names the displays Qt tries and cannot reach, or the platform plugin
    // that would not start, with a command that runs the program on a virtual X server. Qt fails
    // while the application object is being made, where nothing may be worked out any more, so
    // the line is made before it.
    QString UnreachableDisplayLine() const { return m_unreachable; }

private:
    QString badOption(const Translations& translations) const;
    QString helpText(const Translations& translations) const;
    void end(int status, Channel channel, const QString& text);

    QStringList m_arguments;
    QString m_self; // the program's name, as the user typed it
    QCommandLineParser m_parser;
    std::optional<int> m_status;
    Channel m_channel = Channel::Output;
    QString m_text;
    QString m_unreachable;
};

} // namespace app
