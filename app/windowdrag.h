#ifndef WINDOWDRAG_H
#define WINDOWDRAG_H

#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

class QWidget;
class QWindow;

// Moves a frameless window while the left button drags over its own background. Presses that a
// child takes (a button, a field) never reach the window, so they never start a drag; any
// release ends one, so a right click during a left drag stops it.
//
// The first move of a drag hands the window to the window system (a system move, which also
// snaps and tiles as the desktop does, and is the only way a Wayland client can move at all).
// Where the window system declines, and on X11 (see windowdrag.cpp), the window follows the
// mouse itself. A press without a move is left alone, so a click still reaches the window.
class WindowDrag : public QObject
{
public:
    using SystemMove = std::function<bool(QWindow *)>;

    // Watches the window's mouse events; the window owns the helper.
    explicit WindowDrag(QWidget *window);

    // Replaces the call that asks the window system to move the window (tests).
    void setSystemMove(SystemMove start) { systemMove = std::move(start); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool dragTo(QPoint global);

    QWidget *window;
    std::optional<QPoint> offset;
    bool moved = false;
    SystemMove systemMove;
};

#endif
