#pragma once

#include <QString>

namespace app {

// Qt's messages while the program starts, in one message handler for the whole run.
//
// A display named but not there, or a platform plugin that is missing or fails, makes Qt print
// advice of its own (to reinstall) and abort while the application object is being made. Called
// just before it, this holds Qt's messages back; if the start fails, the handler prints
// unreachableLine and the program exits with status 1.
//
// Without XDG_RUNTIME_DIR the instance lock simply lives elsewhere, so Qt's warning about the
// missing variable, whenever it comes, is noise to the user and is dropped.
void HoldBackStartMessages(const QString& unreachableLine);
// Once the application object stands: Qt's messages go their usual way again, the held ones
// first.
void ReleaseStartMessages();

} // namespace app
