#pragma once

#include "platform/services.h"

namespace platform {

// On SIGTERM or SIGINT (a logout, a kill, Ctrl+C) the process ends through the ender, so the
// settings are flushed and the instance lock released rather than left behind.
void EndOnTermination(ProcessEnder& ender);

} // namespace platform
