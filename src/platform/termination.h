#pragma once

#include "platform/services.h"

namespace platform {

// On SIGTERM, SIGINT or SIGHUP (a logout, a kill, Ctrl+C, a closed terminal) the process ends
// through the ender, so the settings are flushed and the instance lock released rather than left
// behind. Each system has its own unit: Windows sends no signals.
void EndOnTermination(ProcessEnder& ender);

} // namespace platform
