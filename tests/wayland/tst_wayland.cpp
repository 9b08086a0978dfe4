// The skinned windows on a Wayland compositor: see-through surfaces, dialogs the compositor
// places over their window, and nothing that asks X11.
#include "app/aboutdialog.h"
#include "app/skin.h"
#include "device/managedialog.h"
#include "editor/maindialog.h"

#include <QGuiApplication>
#include <QTest>
#include <QWindow>

class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowsAreTranslucent();
    void dialogsBelongToTheirWindow();
};

void TestWayland::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    QVERIFY(applySkin());
}

// Only a surface with an alpha channel lets the desktop show through the skin's corners
// (docs/screenshot-wayland.png shows it under weston).
void TestWayland::windowsAreTranslucent()
{
    MainDialog window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.windowHandle()->requestedFormat().alphaBufferSize() > 0);

    ManageDialog manager(&window);
    manager.show();
    QVERIFY(QTest::qWaitForWindowExposed(&manager));
    QVERIFY(manager.windowHandle()->requestedFormat().alphaBufferSize() > 0);
}

// A Wayland client cannot place its windows: a dialog is made transient for its window so
// that the compositor puts it over it.
void TestWayland::dialogsBelongToTheirWindow()
{
    MainDialog window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    AboutDialog about(&window);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.windowHandle()->transientParent(), window.windowHandle());
}

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
