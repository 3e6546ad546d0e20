#include "app/command_line.h"
#include "app/program.h"
#include "app/start_messages.h"
#include "app/terminal.h"
#include "app/translations.h"
#include "build_config.h"
#include "forms/light_style.h"
#include "platform/app_icon.h"
#include "platform/instance_lock.h"
#include "platform/qt_services.h"
#include "platform/termination.h"

#include <QApplication>
#include <optional>

int main(int argc, char** argv) {
    // Nothing is read in an English locale.
    app::Translations translations(app::Translations::DesktopLanguages());
    const app::CommandLine commandLine(argc, argv, translations);
    if (const std::optional<int> status = commandLine.Answer())
        return *status;
    app::HoldBackStartMessages(commandLine.UnreachableDisplayLine());
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
    // What can't be kept or guarded is said on the error output, once a start.
    const auto tell = [](const QString& line) { app::Tell(app::Channel::Error, line + u'\n'); };
    platform::QtSettingsStore settings(tell);
    platform::QtClipboard clipboard;
    platform::SystemClock clock;
    platform::StdRandomGenerator random;
    platform::LockFileInstanceGuard instance(appName, tell);
    platform::ExitProcessEnder ender(settings, instance);
    platform::Platform platform{messageBox, urls,     settings, clipboard, clock,
                                random,     instance, ender,    appName};
    platform::EndOnTermination(ender);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&ender] { ender.End(0); });

    Program program(platform);
    program.Start();
    return app.exec();
}
