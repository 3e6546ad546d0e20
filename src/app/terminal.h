#pragma once

#include <QString>

namespace app {

// Where the program's own lines (help, version, why a start failed) reach the user. On Linux
// that is standard output or standard error. A Windows program built for the desktop has no
// console of its own: its lines go to the output it was given, else to the console it was
// started from, else into a message box. Each system has its own unit.
enum class Channel { Output, Error };
void Tell(Channel channel, const QString& text);

} // namespace app
