#pragma once

#include <QString>

namespace platform {

// A folder of the user's as the XDG rules name it: the variable's value when it is an absolute
// path (a relative one is ignored), otherwise underHome below the home folder (HOME, else the
// user's entry in the password file), where underHome is given and the home folder exists.
// Empty when there is no such folder, or when its name does not survive decoding: the name
// would then come back with a replacement character, naming another folder that nobody wants.
QString XdgFolder(const char* variable, const char* underHome);

} // namespace platform
