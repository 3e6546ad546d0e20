#include "platform/termination.h"

namespace platform {

// Windows sends a program no signals: at logoff or shutdown Qt turns the session's end into
// aboutToQuit, which main already hands to the ender.
void EndOnTermination(ProcessEnder&) {}

} // namespace platform
