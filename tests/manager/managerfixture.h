#ifndef MANAGERFIXTURE_H
#define MANAGERFIXTURE_H

#include "device/filechooser.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// The manager's file dialogs answered by the test: each records what it was shown and
// returns the answer the test prepared.
struct ChooserStub
{
    QString start;
    QString filter;
    QString answer;
    QStringList answers;
    int asked = 0;

    ChooserStub()
    {
        CFileChooser &chooser = CFileChooser::instance();
        chooser.openFile = [this](QWidget *, const QString &s, const QString &f) {
            record(s, f);
            return answer;
        };
        chooser.saveFile = chooser.openFile;
        chooser.openFiles = [this](QWidget *, const QString &s, const QString &f) {
            record(s, f);
            return answers;
        };
    }
    ~ChooserStub() { CFileChooser::instance() = CFileChooser::standard(); }

    void record(const QString &s, const QString &f)
    {
        start = s;
        filter = f;
        ++asked;
    }
};

template<typename T>
T *child(const QWidget *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// The ringtones the manager's list shows, in order.
inline QStringList listed(const QWidget *dialog)
{
    QStringList texts;
    const auto *list = child<QListWidget>(dialog, "listRingtone");
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

// The manager works on the phone through a thread of its own; while it does, its list waits.
inline bool managerIdle(const QWidget *dialog)
{
    return child<QListWidget>(dialog, "listRingtone")->isEnabled();
}

// The enabled state of the manager's actions, in a fixed order, for one comparison.
inline QString enabledState(const QWidget *dialog)
{
    QString state;
    for (const char *name : {"btnRename",
                             "btnRemove",
                             "btnReplace",
                             "btnIPhoneToPc",
                             "btnPcToIPhone",
                             "editName",
                             "btnClose"}) {
        const QWidget *widget = child<QWidget>(dialog, name);
        state += QString::fromLatin1(name) + (widget->isEnabled() ? "+ " : "- ");
    }
    return state.trimmed();
}

// Answers the next question box with the given button; its title and text come back.
struct QuestionAnswer
{
    QString title;
    QString text;
    bool defaultNo = false;

    void answerNext(QMessageBox::StandardButton button)
    {
        QTimer::singleShot(0, [this, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return answerNext(button);
            title = box->windowTitle();
            text = box->text();
            defaultNo = box->defaultButton() == box->button(QMessageBox::No);
            box->button(button)->click();
        });
    }
};

#endif
