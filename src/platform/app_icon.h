#pragma once

#include <QIcon>

namespace platform {

// The icon windows show: the 32 and 48 pixel renderings, read as raw 24-bit pixels from the
// resources so that no image format plugin loads. tools/render_icon draws them.
QIcon ApplicationIcon();

} // namespace platform
