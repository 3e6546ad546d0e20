#include "app/start_messages.h"

#include "app/terminal.h"

#include <QByteArray>
#include <QtGlobal>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace app {
namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

// Qt's handlers are plain functions, so what they share lives here, made on first use. Qt may
// report from threads of its own while it starts.
struct StartMessages {
    std::mutex mutex;
    QtMessageHandler previous = nullptr;
    bool holding = false;
    std::vector<HeldMessage> held;
    QString unreachableLine;
};

StartMessages& startMessages() {
    static StartMessages messages;
    return messages;
}

// Without a runtime folder Qt's own stand-in is runtime-NAME in the temporary folder; where
// another user took that, the lock has said so already, in the user's language.
bool isMissingRuntimeFolder(QtMsgType type, const QString& text) {
    return type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: ")) &&
           (text.contains(QLatin1String("XDG_RUNTIME_DIR not set")) ||
            (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") &&
             text.contains(QLatin1String("runtime directory"))));
}

void filter(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    StartMessages& m = startMessages();
    if (isMissingRuntimeFolder(type, text))
        return;
    {
        const std::lock_guard<std::mutex> lock(m.mutex);
        if (m.holding && type == QtFatalMsg) {
            // Qt would abort once this returns: a crash and a core dump for a missing display.
            Tell(Channel::Error, m.unreachableLine);
            std::_Exit(1);
        }
        if (m.holding) {
            m.held.push_back(
                {type, context.file, context.line, context.function, context.category, text});
            return;
        }
    }
    m.previous(type, context, text);
}

} // namespace

void HoldBackStartMessages(const QString& unreachableLine) {
    StartMessages& m = startMessages();
    const std::lock_guard<std::mutex> lock(m.mutex);
    m.unreachableLine = unreachableLine + u'\n';
    m.holding = true;
    m.previous = qInstallMessageHandler(filter);
}

void ReleaseStartMessages() {
    StartMessages& m = startMessages();
    std::vector<HeldMessage> held;
    {
        const std::lock_guard<std::mutex> lock(m.mutex);
        m.holding = false;
        held.swap(m.held);
    }
    for (const HeldMessage& h : held) {
        const QMessageLogContext context(h.file.constData(), h.line, h.function.constData(),
                                         h.category.constData());
        m.previous(h.type, context, h.text);
    }
}

} // namespace app
