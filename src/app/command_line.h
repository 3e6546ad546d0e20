#pragma once

#include <QString>
#include <optional>

namespace app {

class Translations;

// Reads the command line, and checks that a display can be reached, before any window, Qt
// platform plugin or instance check exists. Returns the exit status when the run ends here
// (help, version, a bad argument, no display), nothing when the program is to start.
std::optional<int> HandleCommandLine(int argc, char** argv);

// The one line, in the language of translations, that names the displays Qt tries and cannot
// reach, or the platform plugin that would not start, with a command that runs the program on a
// virtual X server. Qt fails while the application object is being made, where nothing may be
// worked out any more, so the line is made before it.
QString UnreachableDisplayLine(int argc, char** argv, const Translations& translations);

} // namespace app
