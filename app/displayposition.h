#ifndef DISPLAYPOSITION_H
#define DISPLAYPOSITION_H

#include <QMargins>
#include <QRect>

#include <functional>

class QWidget;

// Where a window's frame really is on the display now, asked of the window system itself. Qt
// keeps the position a window manager last reported, and some report a frameless window's
// place late or not at all. Falls back to Qt's own idea where the window system cannot tell.
QRect frameOnDisplay(const QWidget *window);

// What the window manager draws around the window: none for a frameless one, and none while
// it has not said (Qt then briefly measures a frame smaller than the window).
QMargins drawnFrameMargins(const QWidget *window);

// Runs action once the shown window is first on the screen, where the window manager put it,
// so that a dialog it opens at once is placed over it; after two seconds at the latest.
void afterFirstExposure(QWidget *window, std::function<void()> action);

// Tells Qt where the window really is, on X11. Qt's X11 plugin can keep the place a frameless
// shaped window had before the window manager placed it (the screen's corner), and popups and
// menus open from Qt's idea of the place, far from their control.
void settlePosition(QWidget *window);

#endif
