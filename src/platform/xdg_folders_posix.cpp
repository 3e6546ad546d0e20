#include "platform/xdg_folders.h"

#include <QFile>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString decodedWhole(const QByteArray& path) {
    const QString name = QFile::decodeName(path);
    return path.startsWith('/') && QFile::encodeName(name) == path ? name : QString();
}

} // namespace

QString XdgFolder(const char* variable, const char* underHome) {
    const QByteArray set = qgetenv(variable);
    if (set.startsWith('/'))
        return decodedWhole(set);
    if (underHome == nullptr)
        return {};
    QByteArray home = qgetenv("HOME");
    if (!home.startsWith('/')) {
        const struct passwd* user = ::getpwuid(::geteuid());
        home = user != nullptr && user->pw_dir != nullptr ? QByteArray(user->pw_dir) : QByteArray();
    }
    struct stat st = {};
    if (home.isEmpty() || ::stat(home.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return {};
    if (!home.endsWith('/'))
        home += '/';
    return decodedWhole(home + underHome);
}

} // namespace platform
