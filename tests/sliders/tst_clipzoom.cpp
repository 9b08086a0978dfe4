#include "editor/clipslider.h"
#include "strip.h"

#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

using clipview::Edge;

Q_DECLARE_METATYPE(clipview::Edge)
Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

namespace {

void wheel(QWidget &widget, int x, QPoint angle, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWheelEvent event(QPointF(x, 25),
                      widget.mapToGlobal(QPointF(x, 25)),
                      QPoint(),
                      angle,
                      Qt::NoButton,
                      mods,
                      Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(&widget, &event);
}

QPoint at(int x)
{
    return QPoint(x, 25);
}

bool near(double a, double b)
{
    return qAbs(a - b) < 1e-9;
}

} // namespace

class TestClipZoom : public QObject
{
    Q_OBJECT

private slots:
    void wheel_data();
    void wheel();
    void zoomKeys_data();
    void zoomKeys();
    void editKeys_data();
    void editKeys();
    void otherKeysPassOn();
    void pressesSetTheActiveEdge_data();
    void pressesSetTheActiveEdge();
    void clipOutsideTheViewIsStillTheClip();
    void zoomedDragWorksInSeconds();
    void dragBeyondTheEndScrolls();
    void zoomMarkShowsOnlyWhenZoomed();
    void toolTipSaysWhere();
};

void TestClipZoom::wheel_data()
{
    QTest::addColumn<double>("viewFrom"); // the view before, 1 s .. 53 s long
    QTest::addColumn<double>("viewTo");
    QTest::addColumn<int>("x");
    QTest::addColumn<QPoint>("angle");
    QTest::addColumn<Qt::KeyboardModifiers>("mods");
    QTest::addColumn<double>("expectedFrom");
    QTest::addColumn<double>("expectedTo");

    const auto none = Qt::KeyboardModifiers();
    // Pixel 265 of the whole strip is 26.5 s; a notch makes the view 0.8 times as long.
    QTest::newRow("wheel up zooms in, the time under the pointer stays")
            << 0.0 << 53.0 << 265 << QPoint(0, 120) << none << 5.3 << 47.7;
    QTest::newRow("two notches at the left edge")
            << 0.0 << 53.0 << 0 << QPoint(0, 240) << none << 0.0 << 33.92;
    QTest::newRow("wheel down at the whole file changes nothing")
            << 0.0 << 53.0 << 100 << QPoint(0, -120) << none << 0.0 << 53.0;
    QTest::newRow("wheel down zooms out to the whole file")
            << 10.0 << 50.0 << 100 << QPoint(0, -240) << none << 0.0 << 53.0;
    QTest::newRow("shift and wheel down scrolls right a tenth of the view")
            << 10.0 << 20.0 << 100 << QPoint(0, -120) << Qt::KeyboardModifiers(Qt::ShiftModifier)
            << 11.0 << 21.0;
    QTest::newRow("horizontal wheel scrolls left")
            << 10.0 << 20.0 << 100 << QPoint(120, 0) << none << 9.0 << 19.0;
    QTest::newRow("scrolling stops at the file's end")
            << 40.0 << 50.0 << 100 << QPoint(-600, 0) << none << 43.0 << 53.0;
}

void TestClipZoom::wheel()
{
    QFETCH(double, viewFrom);
    QFETCH(double, viewTo);
    QFETCH(int, x);
    QFETCH(QPoint, angle);
    QFETCH(Qt::KeyboardModifiers, mods);
    QFETCH(double, expectedFrom);
    QFETCH(double, expectedTo);

    Strip strip;
    strip.slider.setView(viewFrom, viewTo);
    ::wheel(strip.slider, x, angle, mods);
    QVERIFY2(near(strip.slider.viewStart(), expectedFrom),
             qPrintable(QString::number(strip.slider.viewStart())));
    QVERIFY2(near(strip.slider.viewEnd(), expectedTo),
             qPrintable(QString::number(strip.slider.viewEnd())));
    const bool moved = expectedFrom != viewFrom || expectedTo != viewTo;
    QCOMPARE(strip.views.count(), moved ? 1 : 0);
    if (moved) {
        QCOMPARE(strip.views.at(0).at(0).toDouble(), strip.slider.viewStart());
        QCOMPARE(strip.views.at(0).at(1).toDouble(), strip.slider.viewEnd());
    }
    QCOMPARE(strip.slider.isZoomed(), expectedFrom != 0.0 || expectedTo != 53.0);
    QCOMPARE(strip.clip(), qMakePair(3.0, 6.0));
    QCOMPARE(strip.clips.count(), 0);
}

void TestClipZoom::zoomKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("presses");
    QTest::addColumn<double>("expectedFrom");
    QTest::addColumn<double>("expectedTo");

    // Around the begin edge at 3 s, which sits 3/53 along the strip.
    QTest::newRow("+ halves the view around the active edge")
            << int(Qt::Key_Plus) << 1 << 1.5 << 28.0;
    QTest::newRow("= is + without Shift") << int(Qt::Key_Equal) << 1 << 1.5 << 28.0;
    QTest::newRow("+ stops at one second")
            << int(Qt::Key_Plus) << 10 << 3.0 - 3.0 / 53 << 4.0 - 3.0 / 53;
    QTest::newRow("- at the whole file") << int(Qt::Key_Minus) << 1 << 0.0 << 53.0;
}

void TestClipZoom::zoomKeys()
{
    QFETCH(int, key);
    QFETCH(int, presses);
    QFETCH(double, expectedFrom);
    QFETCH(double, expectedTo);

    Strip strip;
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(&strip.slider, Qt::Key(key));
    QVERIFY2(near(strip.slider.viewStart(), expectedFrom),
             qPrintable(QString::number(strip.slider.viewStart(), 'f', 9)));
    QVERIFY(near(strip.slider.viewEnd(), expectedTo));
    QTest::keyClick(&strip.slider, Qt::Key_0);
    QCOMPARE(strip.slider.viewStart(), 0.0);
    QCOMPARE(strip.slider.viewEnd(), 53.0);
    QVERIFY(!strip.slider.isZoomed());
    QCOMPARE(strip.clips.count(), 0);
}

void TestClipZoom::editKeys_data()
{
    QTest::addColumn<double>("begin");
    QTest::addColumn<double>("end");
    QTest::addColumn<Edge>("edge");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("mods");
    QTest::addColumn<double>("newBegin");
    QTest::addColumn<double>("newEnd");
    QTest::addColumn<Edge>("newEdge");

    const auto none = Qt::KeyboardModifiers();
    const auto shift = Qt::KeyboardModifiers(Qt::ShiftModifier);
    const auto ctrl = Qt::KeyboardModifiers(Qt::ControlModifier);
    const Edge b = Edge::Begin;
    const Edge e = Edge::End;
    // The play line is at 10 s; a pixel is 0.1 s, so none of these lands on a pixel.
    QTest::newRow("Right: begin 10 ms")
            << 3.0 << 6.0 << b << int(Qt::Key_Right) << none << 3.01 << 6.0 << b;
    QTest::newRow("Shift+Left: begin 100 ms")
            << 3.0 << 6.0 << b << int(Qt::Key_Left) << shift << 2.9 << 6.0 << b;
    QTest::newRow("Ctrl+Right: end 1 s")
            << 3.0 << 6.0 << e << int(Qt::Key_Right) << ctrl << 3.0 << 7.0 << e;
    QTest::newRow("Left stops at the file's start")
            << 0.005 << 6.0 << b << int(Qt::Key_Left) << none << 0.0 << 6.0 << b;
    QTest::newRow("Ctrl+Right stops at the file's end")
            << 3.0 << 52.5 << e << int(Qt::Key_Right) << ctrl << 3.0 << 53.0 << e;
    QTest::newRow("Right stops the begin at the shortest clip")
            << 3.0 << 3.1 << b << int(Qt::Key_Right) << none << 3.0 << 3.1 << b;
    QTest::newRow("Shift+Home: end to the file's start, the clip kept whole")
            << 3.0 << 6.0 << e << int(Qt::Key_Home) << shift << 0.0 << 3.0 << e;
    QTest::newRow("Shift+End: begin to the file's end, the clip kept whole")
            << 3.0 << 6.0 << b << int(Qt::Key_End) << shift << 50.0 << 53.0 << b;
    QTest::newRow("[ puts the begin at the play line")
            << 3.0 << 20.0 << e << int(Qt::Key_BracketLeft) << none << 10.0 << 20.0 << b;
    QTest::newRow("] puts the end at the play line")
            << 3.0 << 6.0 << b << int(Qt::Key_BracketRight) << none << 3.0 << 10.0 << e;
    QTest::newRow("] before the begin takes it along, length kept")
            << 12.0 << 20.0 << b << int(Qt::Key_BracketRight) << none << 2.0 << 10.0 << e;
    QTest::newRow("Home alone is not ours")
            << 3.0 << 6.0 << b << int(Qt::Key_Home) << none << 3.0 << 6.0 << b;
}

void TestClipZoom::editKeys()
{
    QFETCH(double, begin);
    QFETCH(double, end);
    QFETCH(Edge, edge);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, mods);
    QFETCH(double, newBegin);
    QFETCH(double, newEnd);
    QFETCH(Edge, newEdge);

    Strip strip;
    strip.slider.setClip(begin, end);
    strip.slider.setActiveEdge(edge);
    QTest::keyClick(&strip.slider, Qt::Key(key), mods);
    const auto clip = strip.clip();
    QVERIFY2(near(clip.first, newBegin) && near(clip.second, newEnd),
             qPrintable(QStringLiteral("%1 .. %2").arg(clip.first).arg(clip.second)));
    QCOMPARE(strip.slider.activeEdge(), newEdge);
    const bool changed = newBegin != begin || newEnd != end;
    QCOMPARE(strip.clips.count(), changed ? 1 : 0);
    if (changed) {
        QCOMPARE(strip.clips.at(0).at(0).toDouble(), clip.first);
        QCOMPARE(strip.clips.at(0).at(1).toDouble(), clip.second);
    }
    QCOMPARE(strip.views.count(), 0);
}

// The keys the strip does not use reach the window as before.
void TestClipZoom::otherKeysPassOn()
{
    Strip strip;
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Up, Qt::Key_Escape}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&strip.slider, &press);
        QVERIFY2(!press.isAccepted(), qPrintable(QString::number(key, 16)));
    }
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(&strip.slider, &right);
    QVERIFY(right.isAccepted());
    QKeyEvent override(
            QEvent::ShortcutOverride, Qt::Key_BracketLeft, Qt::NoModifier, QStringLiteral("["));
    QApplication::sendEvent(&strip.slider, &override);
    QVERIFY(override.isAccepted());
}

void TestClipZoom::pressesSetTheActiveEdge_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<Edge>("before");
    QTest::addColumn<Edge>("after");
    // Band at pixels 30 .. 60, play line at 100.
    QTest::newRow("begin edge") << 30 << Edge::End << Edge::Begin;
    QTest::newRow("end edge") << 61 << Edge::Begin << Edge::End;
    QTest::newRow("beside the band: play line moves, edge kept") << 200 << Edge::End << Edge::End;
    QTest::newRow("inside the band: edge kept") << 45 << Edge::End << Edge::End;
    QTest::newRow("on the play line: edge kept") << 100 << Edge::Begin << Edge::Begin;
}

void TestClipZoom::pressesSetTheActiveEdge()
{
    QFETCH(int, x);
    QFETCH(Edge, before);
    QFETCH(Edge, after);
    Strip strip;
    strip.slider.setActiveEdge(before);
    QTest::mouseClick(&strip.slider, Qt::LeftButton, {}, at(x));
    QCOMPARE(strip.slider.activeEdge(), after);
}

void TestClipZoom::clipOutsideTheViewIsStillTheClip()
{
    Strip strip;
    strip.slider.setView(20, 21);
    strip.slider.setClip(3, 30);
    QCOMPARE(strip.clip(), qMakePair(3.0, 30.0));
    QVERIFY(strip.slider.beginPixel() < 0);
    QVERIFY(strip.slider.endPixel() > 530);
    strip.slider.setClip(-1, 54);
    QCOMPARE(strip.clip(), qMakePair(3.0, 30.0));
    // A key moves the edge out of sight and the view follows it.
    QTest::keyClick(&strip.slider, Qt::Key_Right);
    QCOMPARE(strip.clip(), qMakePair(3.01, 30.0));
    QVERIFY(strip.slider.viewStart() <= 3.01 && 3.01 <= strip.slider.viewEnd());
    QCOMPARE(strip.views.count(), 1);
}

// One pixel is 1/530 s; the dragged end lands on a whole millisecond, the begin stays put.
void TestClipZoom::zoomedDragWorksInSeconds()
{
    Strip strip;
    strip.slider.setView(10, 11);
    strip.slider.setClip(10.203, 10.5);
    QCOMPARE(strip.slider.endPixel(), 265);
    QTest::mousePress(&strip.slider, Qt::LeftButton, {}, at(266));
    QCOMPARE(strip.slider.activeEdge(), Edge::End);
    QTest::mouseMove(&strip.slider, at(276));
    QTest::mouseRelease(&strip.slider, Qt::LeftButton, {}, at(276));
    QCOMPARE(strip.clips.count(), 1);
    QCOMPARE(strip.clip().first, 10.203);
    QVERIFY(near(strip.clip().second, 10.519));

    QTest::mousePress(&strip.slider, Qt::LeftButton, {}, at(200));
    QTest::mouseMove(&strip.slider, at(100));
    QTest::mouseRelease(&strip.slider, Qt::LeftButton, {}, at(100));
    QVERIFY(near(strip.clip().first, 10.014) && near(strip.clip().second, 10.33));
    QCOMPARE(strip.slider.activeEdge(), Edge::End);
}

void TestClipZoom::dragBeyondTheEndScrolls()
{
    Strip strip;
    strip.slider.setView(10, 11);
    strip.slider.setClip(10.2, 10.5);
    QTest::mousePress(&strip.slider, Qt::LeftButton, {}, at(265));
    QTest::mouseMove(&strip.slider, at(700));
    QTRY_VERIFY(strip.slider.viewStart() > 12);
    QTest::mouseRelease(&strip.slider, Qt::LeftButton, {}, at(700));
    const double from = strip.slider.viewStart();
    // The view must stop with the release: a few of the strip's 30 ms scroll ticks show it.
    QTest::qWait(100);
    QCOMPARE(strip.slider.viewStart(), from);
    QVERIFY(strip.views.count() > 1);
    // The end went along with the view, up to the strip's last pixel.
    QCOMPARE(strip.clip().first, 10.2);
    QVERIFY(strip.clip().second > 12 && strip.clip().second <= strip.slider.viewEnd());

    // Not zoomed, a drag beyond the end stops there as before.
    strip.slider.setView(0, 53);
    strip.views.clear();
    QTest::mousePress(&strip.slider, Qt::LeftButton, {}, at(strip.slider.endPixel()));
    QTest::mouseMove(&strip.slider, at(700));
    // No scrolling may start: a few of the strip's 30 ms scroll ticks show it.
    QTest::qWait(100);
    QCOMPARE(strip.views.count(), 0);
    QCOMPARE(strip.slider.endPixel(), 529);
}

void TestClipZoom::zoomMarkShowsOnlyWhenZoomed()
{
    Strip strip;
    strip.slider.setCornerCut(10);
    const QImage whole = strip.slider.grab().toImage();
    strip.slider.setView(26, 27);
    const QImage zoomed = strip.slider.grab().toImage();
    // The view is the middle 53rd of the overview along the bottom: white there, dark beside.
    const QColor view = zoomed.pixelColor(265, 46);
    const QColor track = zoomed.pixelColor(100, 46);
    QVERIFY2(view.lightness() > 200, qPrintable(view.name()));
    QVERIFY2(track.lightness() < 80, qPrintable(track.name()));
    QCOMPARE(whole.pixelColor(200, 46), QColor(142, 83, 145));
    QCOMPARE(whole.pixelColor(265, 46), QColor(142, 83, 145));
    // The clip, 3 .. 6 s, is marked on the overview too.
    QVERIFY(zoomed.pixelColor(int(10 + 4.5 / 53 * 510), 46) != track);
}

void TestClipZoom::toolTipSaysWhere()
{
    Strip strip;
    strip.slider.setView(30.5, 31.5);
    QHelpEvent help(QEvent::ToolTip, at(265), strip.slider.mapToGlobal(at(265)));
    QApplication::sendEvent(&strip.slider, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(),
             QStringLiteral("Showing 0:00:30.500 to 0:00:31.500\nPointer at 0:00:31.000"));
}

QTEST_MAIN(TestClipZoom)
#include "tst_clipzoom.moc"
