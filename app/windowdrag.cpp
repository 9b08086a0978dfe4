#include "windowdrag.h"

#include <QMouseEvent>
#include <QWidget>

WindowDrag::WindowDrag(QWidget *window)
    : QObject(window)
    , window(window)
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
    case QEvent::MouseButtonPress: {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() != Qt::LeftButton)
            return false;
        offset = press->globalPosition().toPoint() - window->frameGeometry().topLeft();
        return true;
    }
    case QEvent::MouseMove: {
        const auto *move = static_cast<QMouseEvent *>(event);
        if (!(move->buttons() & Qt::LeftButton) || !offset)
            return false;
        window->move(move->globalPosition().toPoint() - *offset);
        return true;
    }
    case QEvent::MouseButtonRelease:
        offset.reset();
        return false;
    default:
        return false;
    }
}
