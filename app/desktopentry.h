#ifndef DESKTOPENTRY_H
#define DESKTOPENTRY_H

#include <QIcon>
#include <QString>
#include <QStringList>

// What the program is to the desktop: its icon in several sizes, and the file that the
// desktop entry (Exec=vardel %f) or a terminal hands it.
QIcon vardelIcon();

// The first argument that is not an option, or the one after "--"; a file: URL becomes its
// local path, a relative path an absolute one. Empty when there is none. arguments[0] is
// the program.
QString commandLineFile(const QStringList &arguments);

#endif
