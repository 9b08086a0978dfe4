#include "editor/maindialog.h"
#include "fakes.h"
#include "keysender.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <memory>

// The main window on a real display, driven from outside with real key presses.
class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void escapeKeepsTheWindow();
    void enterInNameFieldOpensNoMenu();

private:
    template<typename T>
    T *child(const char *name) const
    {
        T *widget = window->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    void focus(QWidget *widget);

    std::unique_ptr<MainDialog> window;
    KeySender keys;
};

void TestDesktop::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Marvolen"), QStringLiteral("Vardel")).clear();
    QFile style(QStringLiteral(":/images/skin.css"));
    QVERIFY(style.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(style.readAll()));
    window = std::make_unique<MainDialog>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void TestDesktop::focus(QWidget *widget)
{
    widget->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(widget->hasFocus());
}

void TestDesktop::escapeKeepsTheWindow()
{
    focus(child<QLineEdit>("editOutputName"));
    QVERIFY(keys.send(QStringLiteral("Escape"), Qt::Key_Escape));
    QTest::qWait(100);
    QVERIFY(window->isVisible());
}

// A menu that opens runs a loop of its own; the timer closes it so the test can tell.
void TestDesktop::enterInNameFieldOpensNoMenu()
{
    for (const char *name : {"editOutputName", "editOutputFolder", "btnMenu"}) {
        focus(child<QWidget>(name));
        QString popup;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (QWidget *open = QApplication::activePopupWidget()) {
                popup = QString::fromLatin1(open->metaObject()->className());
                open->close();
            }
        });
        closer.start(50);
        QVERIFY(keys.send(QStringLiteral("Return"), Qt::Key_Return));
        QTest::qWait(200);
        QVERIFY2(popup.isEmpty(), name);
        QVERIFY(window->isVisible());
    }
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
