// The settings file as it lies on disk, in whatever state a crash, an editor or a hand left it:
// the store's parsing, then the reminder's decoding and date reading of what it yields.
#include "fuzz_input.h"
#include "platform/qt_services.h"
#include "shell/setting_encoding.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimeZone>

using namespace setting_encoding;

namespace {

const QString kApp = QStringLiteral("lunavik");
QTemporaryDir* g_folder = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    (void)QTimeZone::systemTimeZone();
    static QTemporaryDir folder;
    g_folder = &folder;
    QDir(folder.path()).mkpath(kApp);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path())); // where the store looks
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = g_folder->filePath(kApp + QLatin1Char('/') + kApp + QLatin1String(".ini"));
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write %s",
                   qPrintable(path));
        file.write(bytes);
    }
    const QString key = ReminderKey();

    // Whatever the file holds reads as some text (missing and damaged values as empty), and the
    // reminder's reading of it neither fails nor grows it.
    platform::QtSettingsStore store;
    const QString stored = store.Read(kApp, kReminderSection, key);
    const QString decoded = DecodeSetting(stored);
    FUZZ_CHECK(decoded.size() <= stored.size(), "decoding grew %lld characters",
               static_cast<long long>(stored.size()));
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::English, QLocale::UnitedStates)})
        (void)DateFromSetting(decoded, locale);

    // A file that holds a stored variant is kept whole beside the new one: the user's other
    // settings are still there to be had.
    if (bytes.contains("@Variant(")) {
        QFile aside(path + QLatin1String(".damaged"));
        FUZZ_CHECK(aside.open(QIODevice::ReadOnly) && aside.readAll() == bytes,
                   "a file holding a stored variant was not kept as %s.damaged", qPrintable(path));
    }

    // Whatever else the file holds, the reminder's next save is read back as written.
    const QString now = EncodeSetting(QStringLiteral("2026-12-07T09:30:00"));
    store.Save(kApp, kReminderSection, key, now);
    platform::QtSettingsStore later;
    FUZZ_CHECK(later.Read(kApp, kReminderSection, key) == now,
               "a saved value was not read back from %s", bytes.toPercentEncoding().constData());
    return 0;
}
