#include "app/command_line.h"
#include "app/program.h"
#include "app/start_messages.h"
#include "app/translations.h"
#include "build_config.h"
#include "forms/light_style.h"
#include "platform/app_icon.h"
#include "platform/qt_services.h"
#include "platform/termination.h"
#include "shell/app_title.h"

#include <QApplication>
#include <optional>

int main(int argc, char** argv) {
    if (const std::optional<int> status = app::HandleCommandLine(argc, argv))
        return *status;
    // Nothing is read in an English locale.
    app::Translations translations(app::Translations::DesktopLanguages());
    app::HoldBackStartMessages(app::UnreachableDisplayLine(argc, argv, translations));
    QApplication app(argc, argv);
    app::ReleaseStartMessages();
    // Before the first window builds its texts.
    translations.Install();
    QApplication::setStyle(new forms::LightStyle);
    Program::InstallAccessibility();
    QApplication::setApplicationName(QStringLiteral("Lunavik"));
    QApplication::setApplicationVersion(QStringLiteral(LUNAVIK_VERSION_TEXT));
    QApplication::setWindowIcon(platform::ApplicationIcon());
    // Hiding every window is a normal moment here; the process ends only by the shutdown.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString appName = platform::ExecutableBaseName();
    platform::QtMessageBox messageBox;
    platform::DesktopUrlService urls;
    platform::QtSettingsStore settings;
    platform::QtClipboard clipboard;
    platform::SystemClock clock;
    platform::StdRandomGenerator random;
    platform::LockFileInstanceGuard instance(appName);
    platform::ExitProcessEnder ender(settings, instance);
    platform::Platform platform{messageBox, urls,     settings, clipboard, clock,
                                random,     instance, ender,    appName};
    if (instance.lockPath().isEmpty()) {
        // Anywhere else the lock would be shared with other users, or not kept at all: a
        // second copy could start unseen and both would write the one settings file.
        MsgBox(platform,
               QCoreApplication::translate(
                   "InstanceLock",
                   "Lunavik cannot start: it finds no folder that only you can open for its "
                   "lock file, which keeps it from running twice.\r\rMake your home folder "
                   "writable, or set XDG_RUNTIME_DIR to a folder of yours that only you can "
                   "open, then start Lunavik again."),
               platform::MsgIcon::Critical);
        return 1;
    }
    platform::EndOnTermination(ender);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&ender] { ender.End(0); });

    Program program(platform);
    program.Start();
    return app.exec();
}
