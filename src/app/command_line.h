#pragma once

#include <optional>

namespace app {

// Reads the command line, and checks that a display can be reached, before any window, Qt
// platform plugin or instance check exists. Returns the exit status when the run ends here
// (help, version, a bad argument, no display), nothing when the program is to start.
std::optional<int> HandleCommandLine(int argc, char** argv);

} // namespace app
