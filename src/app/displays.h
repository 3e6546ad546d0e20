#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace app {

class Translations;

// The display a start needs, where the systems differ: on Linux the session names its display
// servers in variables, which may be missing or name one that is gone; Windows always has its
// desktop, but an installation may have lost the platform plugin. Each system has its own unit.

// The variables naming a display that the asked-for platforms need and do not find (on Windows,
// the platform plugin's file where Qt looks for it); empty when one of them can start.
QStringList MissingDisplays(const QCommandLineParser& parser);

// Why no display was found, with a way to run the program all the same (self: its name).
QString NoDisplayText(const QCommandLineParser& parser, const QString& self);

// Why Qt gave up while starting: the displays it tried and could not reach, or the platform
// plugin that would not start.
QString UnreachableDisplayText(const QCommandLineParser& parser, const QString& self,
                               const Translations& translations);

} // namespace app
