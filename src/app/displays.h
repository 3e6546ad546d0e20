#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace app {

class Translations;

// The display a start needs, where the systems differ: on Linux the session names its display
// servers in variables, which may be missing or name one that is gone; Windows always has its
// desktop, but an installation may have lost the platform plugin. Each system has its own unit.

// The platform plugins asked for (-platform, else QT_QPA_PLATFORM), in the order Qt tries them;
// empty when Qt picks one for the session.
QStringList RequestedPlatforms(const QCommandLineParser& parser);

// Why none of the asked-for platforms finds a display, naming the variables it would need (on
// Windows, the platform plugin Qt would not find), with a way to run the program all the same
// (self: its name); empty when one of them can start.
QString NoDisplayText(const QCommandLineParser& parser, const QString& self,
                      const Translations& translations);

// Why Qt gave up while starting: the displays it tried and could not reach, or the platform
// plugin that would not start.
QString UnreachableDisplayText(const QCommandLineParser& parser, const QString& self,
                               const Translations& translations);

} // namespace app
