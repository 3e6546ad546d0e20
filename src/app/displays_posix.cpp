#include "app/displays.h"

#include "app/translations.h"

#include <QCommandLineParser>
#include <QStringList>

namespace app {
namespace {

// The X display the xcb plugin connects to.
QString x11Display(const QCommandLineParser& parser) {
    return parser.isSet(QStringLiteral("display")) ? parser.value(QStringLiteral("display"))
                                                   : qEnvironmentVariable("DISPLAY");
}

bool isWayland(const QString& platform) { return platform.startsWith(QLatin1String("wayland")); }

// A command that runs the program on a virtual X server. A platform asked for stays asked for
// under xvfb-run unless the command line overrides it.
QString virtualDisplayCommand(const QCommandLineParser& parser, const QString& self) {
    QString command = self;
    if (!RequestedPlatforms(parser).isEmpty())
        command += QLatin1String(" -platform xcb");
    return command;
}

// The variables naming a display that the asked-for platforms need and do not find; empty when
// one of them can start. A list of platforms is tried in turn; any that needs no window system
// (offscreen, vnc, eglfs...) is its own business.
QStringList missingDisplays(const QCommandLineParser& parser) {
    const bool x11 = !x11Display(parser).isEmpty();
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    QStringList platforms = RequestedPlatforms(parser);
    if (platforms.isEmpty()) // Qt's own choice among the window systems the session names
        platforms = {QStringLiteral("wayland"), QStringLiteral("xcb")};
    QStringList missing;
    for (const QString& name : platforms) {
        if (name == QLatin1String("xcb") ? x11 : !isWayland(name) || wayland)
            return {};
        missing << QString::fromLatin1(name == QLatin1String("xcb") ? "DISPLAY"
                                                                    : "WAYLAND_DISPLAY");
    }
    missing.removeDuplicates();
    return missing;
}

} // namespace

QString NoDisplayText(const QCommandLineParser& parser, const QString& self,
                      const Translations& translations) {
    const QStringList missing = missingDisplays(parser);
    if (missing.isEmpty())
        return {};
    const QString command = virtualDisplayCommand(parser, self);
    return missing.size() == 1
               ? translations
                     .Translate("CommandLine",
                                QT_TRANSLATE_NOOP("CommandLine",
                                                  "no display found (%1 is not set); to run "
                                                  "Lunavik on a virtual one: xvfb-run %2"))
                     .arg(missing.constFirst(), command)
               : translations
                     .Translate("CommandLine",
                                QT_TRANSLATE_NOOP("CommandLine",
                                                  "no display found (DISPLAY and WAYLAND_DISPLAY "
                                                  "are not set); to run Lunavik on a virtual "
                                                  "one: xvfb-run %1"))
                     .arg(command);
}

QString UnreachableDisplayText(const QCommandLineParser& parser, const QString& self,
                               const Translations& translations) {
    const QStringList requested = RequestedPlatforms(parser);
    const QString x11 = x11Display(parser);
    QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    QStringList displays;
    QStringList plugins;
    if (requested.isEmpty()) {
        // Qt's own choice among the window systems the session names.
        displays << x11 << wayland;
    } else {
        if (wayland.isEmpty())
            wayland = QStringLiteral("wayland-0"); // where a Wayland client looks unless told
        for (const QString& name : requested)
            if (name == QLatin1String("xcb"))
                displays << x11;
            else if (isWayland(name))
                displays << wayland;
            else
                plugins << name;
    }
    displays.removeAll(QString());
    displays.removeDuplicates();
    const QString command = QStringLiteral("xvfb-run ") + virtualDisplayCommand(parser, self);
    QString text;
    if (displays.isEmpty()) // one or more plugins, each tried in turn
        text =
            translations
                .Translate(
                    "CommandLine",
                    plugins.size() == 1
                        ? QT_TRANSLATE_NOOP("CommandLine", "the platform plugin %1 could not be "
                                                           "started; to run Lunavik on a virtual "
                                                           "display: %2")
                        : QT_TRANSLATE_NOOP("CommandLine", "the platform plugins %1 could not be "
                                                           "started; to run Lunavik on a virtual "
                                                           "display: %2"))
                .arg(translations.QuotedList(plugins), command);
    else if (displays.size() == 1)
        text = translations
                   .Translate("CommandLine",
                              QT_TRANSLATE_NOOP("CommandLine",
                                                "cannot reach the display %1; to run Lunavik on "
                                                "a virtual one: %2"))
                   .arg(displays.constFirst(), command);
    else // an X11 and a Wayland display, each tried in turn
        text = translations
                   .Translate("CommandLine",
                              QT_TRANSLATE_NOOP("CommandLine",
                                                "cannot reach the displays %1 and %2; to run "
                                                "Lunavik on a virtual one: %3"))
                   .arg(displays.at(0), displays.at(1), command);
    return text;
}

} // namespace app
