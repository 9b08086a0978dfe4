#ifndef MANAGERFIXTURE_H
#define MANAGERFIXTURE_H

#include "device/filechooser.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
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

// The manager's list: a view over the phone's ringtones, one row per phone index.
inline QListView *ringtoneList(const QWidget *dialog)
{
    return child<QListView>(dialog, "listRingtone");
}

inline int listCount(const QWidget *dialog)
{
    return ringtoneList(dialog)->model()->rowCount();
}

inline int listRow(const QWidget *dialog)
{
    return ringtoneList(dialog)->currentIndex().row();
}

inline void setListRow(const QWidget *dialog, int row)
{
    QListView *list = ringtoneList(dialog);
    list->setCurrentIndex(list->model()->index(row, 0));
}

inline QVariant listData(const QWidget *dialog, int row, int role = Qt::DisplayRole)
{
    return ringtoneList(dialog)->model()->index(row, 0).data(role);
}

// The ringtones the manager's list shows, in order.
inline QStringList listed(const QWidget *dialog)
{
    QStringList texts;
    for (int i = 0; i < listCount(dialog); ++i)
        texts.append(listData(dialog, i).toString());
    return texts;
}

// The manager works on the phone through a thread of its own; while it does, its list waits.
inline bool managerIdle(const QWidget *dialog)
{
    return ringtoneList(dialog)->isEnabled();
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
