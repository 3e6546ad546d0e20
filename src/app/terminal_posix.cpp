#include "app/terminal.h"

#include <cstdio>

namespace app {

void Tell(Channel channel, const QString& text) {
    std::FILE* stream = channel == Channel::Output ? stdout : stderr;
    std::fprintf(stream, "%s", text.toLocal8Bit().constData());
    std::fflush(stream);
}

} // namespace app
