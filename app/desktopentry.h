#ifndef DESKTOPENTRY_H
#define DESKTOPENTRY_H

#include <QIcon>
#include <QString>

// What the program is to the desktop: its icon in several sizes.
QIcon vardelIcon();

#endif
