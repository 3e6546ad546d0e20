#pragma once

#include <QProcess>

inline const QString kApp = QStringLiteral("lunavik");

// Starts the helper holding the lock; returns once it says it holds it.
inline bool HoldLock(QProcess& holder, const QString& path) {
    holder.start(QStringLiteral(LUNAVIK_LOCK_HOLDER), {path});
    return holder.waitForReadyRead(10000) && holder.readLine().trimmed() == "locked";
}
