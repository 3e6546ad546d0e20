#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace app {

class Translations;

// The command line, read once, before any window, Qt platform plugin or instance check exists:
// what the run is to do, and whether a display can be reached. Its option texts are in the
// language of the translations it is read with.
class CommandLine {
public:
    CommandLine(int argc, char** argv, const Translations& translations);

    // When the run ends here (help, version, a bad argument, no display): prints what there is
    // to say, in the language of translations, which it installs for the moment, and gives the
    // exit status. Nothing when the program is to start.
    std::optional<int> Answer(Translations& translations) const;

    // The one line, in the language of translations, that names the displays Qt tries and
    // cannot reach, or the platform plugin that would not start, with a command that runs the
    // program on a virtual X server. Qt fails while the application object is being made, where
    // nothing may be worked out any more, so the line is made before it.
    QString UnreachableDisplayLine(const Translations& translations) const;

private:
    enum class Outcome { Start, BadOption, Help, Version, UnexpectedArgument, NoDisplay };

    QString badOption() const;

    QStringList m_arguments;
    QString m_self; // the program's name, as the user typed it
    QCommandLineParser m_parser;
    Outcome m_outcome = Outcome::Start;
};

} // namespace app
