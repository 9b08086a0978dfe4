#include "timefieldtab.h"

#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QKeyEvent>

TimeFieldTab::TimeFieldTab(QAbstractSpinBox *field)
    : QObject(field)
{
    field->installEventFilter(this);
}

// The time typed so far is entered, then the window moves the focus on, as it does for every
// field that keeps no use for Tab.
bool TimeFieldTab::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (!tab || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    auto *field = static_cast<QAbstractSpinBox *>(watched);
    field->interpretText();
    QWidget *window = field->window();
    QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
    QCoreApplication::sendEvent(window, &copy);
    return true;
}
