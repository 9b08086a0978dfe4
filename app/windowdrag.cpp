#include "windowdrag.h"

#include "displayposition.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Qt 6.4's X11 plugin hands the window manager the pointer in window coordinates, so the window
// would jump by its own position at the start of the move; on X11 the window moves itself,
// exactly, as it always did.
bool startSystemMove(QWindow *handle)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return false;
    return handle->startSystemMove();
}

} // namespace

WindowDrag::WindowDrag(QWidget *window)
    : QObject(window)
    , window(window)
    , systemMove(startSystemMove)
{
    window->installEventFilter(this);
}

// Press and move are the helper's alone; the release still reaches the window, which may close
// on it.
bool WindowDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        if (!event->spontaneous())
            afterFirstExposure(window, [this] { settlePosition(window); });
        return false;
    case QEvent::WindowActivate:
        if (!offset)
            settlePosition(window);
        return false;
    case QEvent::MouseButtonPress: {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() != Qt::LeftButton)
            return false;
        offset = press->globalPosition().toPoint() - window->frameGeometry().topLeft();
        moved = false;
        return true;
    }
    case QEvent::MouseMove: {
        const auto *move = static_cast<QMouseEvent *>(event);
        if (!(move->buttons() & Qt::LeftButton) || !offset)
            return false;
        return dragTo(move->globalPosition().toPoint());
    }
    case QEvent::MouseButtonRelease:
        offset.reset();
        return false;
    default:
        return false;
    }
}

bool WindowDrag::dragTo(QPoint global)
{
    if (!moved) {
        moved = true;
        QWindow *handle = window->windowHandle();
        if (handle && systemMove && systemMove(handle)) {
            // The window system has the pointer until the button is released.
            offset.reset();
            return true;
        }
    }
    window->move(global - *offset);
    return true;
}
