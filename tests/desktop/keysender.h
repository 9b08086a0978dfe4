#ifndef KEYSENDER_H
#define KEYSENDER_H

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QProcess>
#include <QTest>

// Types keys on the X display with xdotool, as a person would, and waits until the
// program has taken each of them from the display.
class KeySender : public QObject
{
public:
    KeySender() { qApp->installEventFilter(this); }
    ~KeySender() override { qApp->removeEventFilter(this); }

    // A chord in xdotool's names ("Escape", "ctrl+o") and the Qt key it ends in.
    bool send(const QString &chord, int key)
    {
        seen = false;
        expected = key;
        if (QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), chord}) != 0)
            return false;
        return QTest::qWaitFor([this] { return seen; }, 5000);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyRelease
            && static_cast<QKeyEvent *>(event)->key() == expected)
            seen = true;
        return false;
    }

private:
    bool seen = false;
    int expected = 0;
};

#endif
