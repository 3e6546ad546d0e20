#pragma once

#include <optional>

namespace app {

// Reads the command line, and checks that a display can be reached, before any window, Qt
// platform plugin or instance check exists. Returns the exit status when the run ends here
// (help, version, a bad argument, no display), nothing when the program is to start.
std::optional<int> HandleCommandLine(int argc, char** argv);

// A display named but not there, or a platform plugin that is missing or fails, makes Qt print
// advice of its own (to reinstall) and abort while the application object is being made. Called
// just before it, this holds Qt's messages back; if the start fails, the program says on one
// line, in the user's language, which display it could not reach and exits with status 1.
void HoldBackStartMessages(int argc, char** argv);
// Once the application object stands: Qt's messages go their usual way again, the held ones
// first.
void ReleaseStartMessages();

} // namespace app
