// The main window's keyboard: keys that a plain dialog would misread.
#include "maindialog.h"

#include <QKeyEvent>
#include <QPushButton>

// The window is a dialog, but it is the whole program: Esc would reject it and end the
// program, and Enter would press the first button, the tool menu. Enter presses only a
// focused button; none of the buttons ever becomes the dialog's default.
void MainDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto *button = qobject_cast<QPushButton *>(focusWidget());
        if (button && !button->menu() && button->isEnabled())
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MainDialog::setUpKeyboard()
{
    for (QPushButton *button : findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}
