#include "editor/clipmodel.h"
#include "editor/clipslider.h"
#include "editor/clipslidermath.h"
#include "strip.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace clipslider;

Q_DECLARE_METATYPE(Zone)
Q_DECLARE_METATYPE(Qt::CursorShape)

namespace {

QPoint at(int x)
{
    return QPoint(x, 25);
}

void hover(QWidget &widget, int x)
{
    QMouseEvent move(QEvent::MouseMove,
                     QPointF(x, 25),
                     widget.mapToGlobal(QPointF(x, 25)),
                     Qt::NoButton,
                     Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) <= 2 && qAbs(qGreen(a) - qGreen(b)) <= 2
            && qAbs(qBlue(a) - qBlue(b)) <= 2;
}

const QRgb background = qRgb(142, 83, 145);
const QRgb frame = qRgb(141, 34, 82);
// The band's inside, RGB (205, 59, 140) at alpha 192, over the background.
const QRgb insideOverBackground = qRgb(189, 64, 141);

} // namespace

class TestClipSlider : public QObject
{
    Q_OBJECT

private slots:
    void pixelOfValue_data();
    void pixelOfValue();
    void secondsOfPixel();
    void zoneAt_data();
    void zoneAt();
    void narrowBandKeepsItsMiddle_data();
    void narrowBandKeepsItsMiddle();
    void dragSteps();
    void setClip_data();
    void setClip();
    void slotsNeverEmit();
    void press_data();
    void press();
    void drag_data();
    void drag();
    void dragKeepsTheUnmovedEnd();
    void bandDragKeepsItsLength_data();
    void bandDragKeepsItsLength();
    void emptyRangeDragsWithoutEmitting();
    void hoverCursor_data();
    void hoverCursor();
    void bandCursorClosesAndOpens();
    void paint_data();
    void paint();
    void waveImageIsStretched();
    void cornerCut();
};

void TestClipSlider::pixelOfValue_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rangeMin");
    QTest::addColumn<double>("rangeMax");
    QTest::addColumn<int>("pixel");

    QTest::newRow("3 s") << 3.0 << 0.0 << 53.0 << 30;
    QTest::newRow("6 s") << 6.0 << 0.0 << 53.0 << 60;
    QTest::newRow("0.19 s truncates 1.9") << 0.19 << 0.0 << 53.0 << 1;
    QTest::newRow("3.05 s truncates 30.5") << 3.05 << 0.0 << 53.0 << 30;
    QTest::newRow("end of range") << 53.0 << 0.0 << 53.0 << 530;
    QTest::newRow("before the range") << -1.0 << 0.0 << 53.0 << -10;
    QTest::newRow("range not from 0") << 15.0 << 10.0 << 63.0 << 50;
    QTest::newRow("empty range") << 3.0 << 5.0 << 5.0 << 0;
    QTest::newRow("inverted range") << 3.0 << 53.0 << 0.0 << 0;
    QTest::newRow("far beyond the strip") << 1e300 << 0.0 << 53.0 << (1 << 28);
    QTest::newRow("far before the strip") << -1e300 << 0.0 << 53.0 << -(1 << 28);
    QTest::newRow("not a number") << std::nan("") << 0.0 << 53.0 << 0;
}

void TestClipSlider::pixelOfValue()
{
    QFETCH(double, value);
    QFETCH(double, rangeMin);
    QFETCH(double, rangeMax);
    QFETCH(int, pixel);

    QCOMPARE(pixelOf(value, rangeMin, rangeMax, 530), pixel);
}

void TestClipSlider::secondsOfPixel()
{
    QCOMPARE(clipSeconds(30, 0, 53, 530), 3.0);
    QCOMPARE(clipSeconds(529, 0, 53, 530), 52.9);
    QCOMPARE(clipSeconds(50, 10, 63, 530), 15.0);
    QCOMPARE(positionSeconds(1, 0, 53, 530), 0.1);
    QCOMPARE(positionSeconds(200, 0, 53, 530), 20.0);
}

void TestClipSlider::zoneAt_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("position");
    QTest::addColumn<Zone>("zone");

    // The band 30..60 is drawn on columns 30..59; its edges' lines are 30-31 and 58-59.
    QTest::newRow("left of the begin grip") << 26 << 100 << Zone::BeforeBand;
    QTest::newRow("3 left of begin") << 27 << 100 << Zone::BeginEdge;
    QTest::newRow("on begin") << 30 << 100 << Zone::BeginEdge;
    QTest::newRow("on the begin line's inner column") << 31 << 100 << Zone::BeginEdge;
    QTest::newRow("3 inside the begin line") << 34 << 100 << Zone::BeginEdge;
    QTest::newRow("just inside") << 35 << 100 << Zone::Band;
    QTest::newRow("last inside") << 54 << 100 << Zone::Band;
    QTest::newRow("3 inside the end line") << 55 << 100 << Zone::EndEdge;
    QTest::newRow("on the end line") << 58 << 100 << Zone::EndEdge;
    QTest::newRow("on the end line's outer column") << 59 << 100 << Zone::EndEdge;
    QTest::newRow("on end") << 60 << 100 << Zone::EndEdge;
    QTest::newRow("2 right of end") << 62 << 100 << Zone::EndEdge;
    QTest::newRow("right of the end grip") << 63 << 100 << Zone::AfterBand;
    QTest::newRow("1 left of the play line") << 99 << 100 << Zone::PlayLine;
    QTest::newRow("1 right of the play line") << 101 << 100 << Zone::PlayLine;
    QTest::newRow("2 left of the play line") << 98 << 100 << Zone::AfterBand;
    QTest::newRow("play line on begin wins") << 30 << 30 << Zone::PlayLine;
    QTest::newRow("beside the play line on begin") << 28 << 30 << Zone::BeginEdge;
    QTest::newRow("play line inside the band") << 46 << 45 << Zone::PlayLine;
}

void TestClipSlider::zoneAt()
{
    QFETCH(int, x);
    QFETCH(int, position);
    QFETCH(Zone, zone);

    QCOMPARE(clipslider::zoneAt(x, position, 30, 60), zone);
}

void TestClipSlider::narrowBandKeepsItsMiddle_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("zones"); // columns begin - 4 .. end + 3: < [ = ] >

    QTest::newRow("the narrowest band") << 3 << "<[[[[=]]]]>";
    QTest::newRow("6 pixels") << 6 << "<[[[[[==]]]]]>";
    QTest::newRow("9 pixels") << 9 << "<[[[[[[===]]]]]]>";
    QTest::newRow("14 pixels: full grips") << 14 << "<[[[[[[[[====]]]]]]]]>";
}

// The grips never take the whole of a narrow band: its middle third still moves it.
void TestClipSlider::narrowBandKeepsItsMiddle()
{
    QFETCH(int, width);
    QFETCH(QString, zones);

    const int begin = 100;
    QString seen;
    for (int x = begin - 4; x <= begin + width + 3; ++x) {
        switch (clipslider::zoneAt(x, 1000, begin, begin + width)) {
        case Zone::BeforeBand:
            seen += QLatin1Char('<');
            break;
        case Zone::BeginEdge:
            seen += QLatin1Char('[');
            break;
        case Zone::Band:
            seen += QLatin1Char('=');
            break;
        case Zone::EndEdge:
            seen += QLatin1Char(']');
            break;
        case Zone::AfterBand:
            seen += QLatin1Char('>');
            break;
        case Zone::PlayLine:
            seen += QLatin1Char('|');
            break;
        }
    }
    QCOMPARE(seen, zones);
}

void TestClipSlider::dragSteps()
{
    const Band band {30, 60};
    QCOMPARE(dragBeginEdge(band, 45, 30).begin, 45);
    QCOMPARE(dragBeginEdge(band, limitForBeginEdge(100, band), 30).begin, 60);
    QCOMPARE(dragBeginEdge(band, 0, 30).begin, 0);
    QCOMPARE(dragEndEdge(band, limitForEndEdge(10, band), 60, 530).end, 30);
    QCOMPARE(dragEndEdge(band, 529, 60, 530).end, 529);
    const Band left = dragWholeBand(band, 0, 45, 530);
    QCOMPARE(left.begin, 0);
    QCOMPARE(left.end, 30);
    const Band right = dragWholeBand(band, 529, 45, 530);
    QCOMPARE(right.begin, 499);
    QCOMPARE(right.end, 529);
}

void TestClipSlider::setClip_data()
{
    QTest::addColumn<double>("dMin");
    QTest::addColumn<double>("dMax");
    QTest::addColumn<double>("begin");
    QTest::addColumn<double>("end");
    QTest::addColumn<int>("beginPixel");
    QTest::addColumn<int>("endPixel");

    QTest::newRow("3 .. 6") << 3.0 << 6.0 << 3.0 << 6.0 << 30 << 60;
    QTest::newRow("keep begin") << -1.0 << 12.0 << 3.0 << 12.0 << 30 << 120;
    QTest::newRow("keep end") << 1.0 << -1.0 << 1.0 << 6.0 << 10 << 60;
    QTest::newRow("out of order") << 8.0 << 5.0 << 3.0 << 6.0 << 30 << 60;
    QTest::newRow("beyond the range") << 0.0 << 54.0 << 3.0 << 6.0 << 30 << 60;
    QTest::newRow("kept begin after new end") << -1.0 << 2.0 << 3.0 << 6.0 << 30 << 60;
    QTest::newRow("whole range") << 0.0 << 53.0 << 0.0 << 53.0 << 0 << 530;
    QTest::newRow("zero length") << 4.0 << 4.0 << 4.0 << 4.0 << 40 << 40;
}

void TestClipSlider::setClip()
{
    QFETCH(double, dMin);
    QFETCH(double, dMax);
    QFETCH(double, begin);
    QFETCH(double, end);
    QFETCH(int, beginPixel);
    QFETCH(int, endPixel);

    Strip strip;
    strip.slider.setClip(dMin, dMax);
    double gotBegin = 0;
    double gotEnd = 0;
    strip.slider.getClip(gotBegin, gotEnd);
    QCOMPARE(gotBegin, begin);
    QCOMPARE(gotEnd, end);
    QCOMPARE(strip.slider.beginPixel(), beginPixel);
    QCOMPARE(strip.slider.endPixel(), endPixel);
}

void TestClipSlider::slotsNeverEmit()
{
    Strip strip;
    strip.slider.setPos(0.19);
    QCOMPARE(strip.slider.positionPixel(), 1);
    strip.slider.setClip(1, 2);
    strip.slider.setRange(0, 106);
    QCOMPARE(strip.slider.endPixel(), 10);
    strip.slider.setPos(1000);
    double position = 0;
    strip.slider.getPos(position);
    QCOMPARE(position, 1000.0);
    QCOMPARE(strip.positions.count(), 0);
    QCOMPARE(strip.clips.count(), 0);
}

void TestClipSlider::press_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<double>("position");

    QTest::newRow("left of the band") << 20 << true << 2.0;
    QTest::newRow("right of everything") << 200 << true << 20.0;
    QTest::newRow("begin edge grip") << 28 << false << 10.0;
    QTest::newRow("inside the band") << 45 << false << 10.0;
    QTest::newRow("end edge grip") << 62 << false << 10.0;
    QTest::newRow("on the play line") << 101 << false << 10.0;
    QTest::newRow("between the end grip and the line") << 63 << true << 6.3;
}

void TestClipSlider::press()
{
    QFETCH(int, x);
    QFETCH(bool, moves);
    QFETCH(double, position);

    Strip strip;
    QTest::mousePress(&strip.slider, Qt::LeftButton, {}, at(x));
    QCOMPARE(strip.positions.count(), moves ? 1 : 0);
    if (moves) {
        QCOMPARE(strip.positions.at(0).at(0).toDouble(), position);
        QCOMPARE(strip.slider.positionPixel(), x);
    }
    QTest::mouseRelease(&strip.slider, Qt::LeftButton, {}, at(x));
    QCOMPARE(strip.positions.count(), moves ? 1 : 0);
    QCOMPARE(strip.clips.count(), 0);
    double got = 0;
    strip.slider.getPos(got);
    QCOMPARE(got, position);
}

void TestClipSlider::drag_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("beginPixel");
    QTest::addColumn<int>("endPixel");
    QTest::addColumn<int>("positionPixel");

    QTest::newRow("begin right") << 30 << 45 << 45 << 60 << 100;
    QTest::newRow("begin from its grip") << 28 << 18 << 20 << 60 << 100;
    // A clip stays at least 0.1 s long, a pixel here.
    QTest::newRow("begin past the end stops short of it") << 30 << 90 << 59 << 60 << 100;
    QTest::newRow("begin past the left side") << 30 << -40 << 0 << 60 << 100;
    QTest::newRow("end left") << 60 << 50 << 30 << 50 << 100;
    QTest::newRow("end past the begin stops short of it") << 60 << 10 << 30 << 31 << 100;
    QTest::newRow("end past the right side") << 60 << 900 << 30 << 529 << 100;
    QTest::newRow("band left") << 45 << 40 << 25 << 55 << 100;
    QTest::newRow("band against the left side") << 45 << 5 << 0 << 30 << 100;
    QTest::newRow("band against the right side") << 45 << 700 << 500 << 530 << 100;
    QTest::newRow("play line") << 100 << 300 << 30 << 60 << 300;
    QTest::newRow("play line outside the strip") << 100 << -20 << 30 << 60 << 0;
}

void TestClipSlider::drag()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, beginPixel);
    QFETCH(int, endPixel);
    QFETCH(int, positionPixel);

    Strip strip;
    QTest::mousePress(&strip.slider, Qt::LeftButton, {}, at(from));
    QTest::mouseMove(&strip.slider, at(to));
    QTest::mouseRelease(&strip.slider, Qt::LeftButton, {}, at(to));
    QCOMPARE(strip.slider.beginPixel(), beginPixel);
    QCOMPARE(strip.slider.endPixel(), endPixel);
    QCOMPARE(strip.slider.positionPixel(), positionPixel);

    const bool lineMoved = positionPixel != 100;
    QCOMPARE(strip.clips.count(), lineMoved ? 0 : 1);
    QCOMPARE(strip.positions.count(), lineMoved ? 1 : 0);
    double begin = 0;
    double end = 0;
    double position = 0;
    strip.slider.getClip(begin, end);
    strip.slider.getPos(position);
    QCOMPARE(begin, clipSeconds(beginPixel, 0, 53, 530));
    QCOMPARE(end, clipSeconds(endPixel, 0, 53, 530));
    QCOMPARE(position, lineMoved ? positionSeconds(positionPixel, 0, 53, 530) : 10.0);
    if (!lineMoved) {
        QCOMPARE(strip.clips.at(0).at(0).toDouble(), begin);
        QCOMPARE(strip.clips.at(0).at(1).toDouble(), end);
    }
}

// A begin of 3.05 s sits on pixel 30; dragging the end leaves it at 3.05 s.
void TestClipSlider::dragKeepsTheUnmovedEnd()
{
    Strip strip;
    strip.slider.setClip(3.05, 6);
    QTest::mousePress(&strip.slider, Qt::LeftButton, {}, at(60));
    QTest::mouseMove(&strip.slider, at(70));
    QTest::mouseMove(&strip.slider, at(80));
    QTest::mouseMove(&strip.slider, at(80));
    QCOMPARE(strip.clips.count(), 2);
    QCOMPARE(strip.clips.at(1).at(0).toDouble(), 3.05);
    QCOMPARE(strip.clips.at(1).at(1).toDouble(), 8.0);
}

// At the whole file's zoom, on a short file and on an hour, a band dragged by more than its own
// length (and a band narrower than 3 pixels, grabbed in the middle of what is drawn) keeps its
// length to the millisecond.
void TestClipSlider::bandDragKeepsItsLength_data()
{
    QTest::addColumn<double>("range");
    QTest::addColumn<double>("begin");
    QTest::addColumn<double>("end");
    QTest::addColumn<int>("move");

    QTest::newRow("1 s band, 6 s to the right") << 53.0 << 1.0 << 2.0 << 60;
    QTest::newRow("typed 10 s, odd pixels") << 181.317 << 87.3 << 97.3 << 37;
    QTest::newRow("hour: 25 s band, 40 px") << 3600.0 << 1200.0 << 1225.0 << 40;
    QTest::newRow("hour: 1 s band, under a pixel") << 3600.0 << 1200.0 << 1201.0 << -25;
}

void TestClipSlider::bandDragKeepsItsLength()
{
    QFETCH(double, range);
    QFETCH(double, begin);
    QFETCH(double, end);
    QFETCH(int, move);

    Strip strip;
    strip.slider.setRange(0, range);
    strip.slider.setClip(begin, end);
    strip.slider.setPos(range);
    const int middle = (strip.slider.beginPixel()
                        + qMax(strip.slider.endPixel(), strip.slider.beginPixel() + 3))
            / 2;
    QTest::mousePress(&strip.slider, Qt::LeftButton, {}, at(middle));
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(&strip.slider, at(middle + move * step / 4));
    QTest::mouseRelease(&strip.slider, Qt::LeftButton, {}, at(middle + move));
    QVERIFY(!strip.clips.isEmpty());
    const auto clip = strip.clip();
    QCOMPARE(msOf(clip.second) - msOf(clip.first), msOf(end) - msOf(begin));
    QVERIFY(clip.first != begin);
    QCOMPARE(strip.slider.focusWidget(), &strip.slider);
}

void TestClipSlider::emptyRangeDragsWithoutEmitting()
{
    Strip strip;
    strip.slider.setRange(5, 5);
    QCOMPARE(strip.slider.beginPixel(), 0);
    QCOMPARE(strip.slider.endPixel(), 0);
    QTest::mousePress(&strip.slider, Qt::LeftButton, {}, at(2));
    QTest::mouseMove(&strip.slider, at(40));
    QCOMPARE(strip.slider.endPixel(), 0);
    QCOMPARE(strip.clips.count(), 0);
}

void TestClipSlider::hoverCursor_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<Qt::CursorShape>("shape");

    QTest::newRow("left of the band") << 10 << Qt::ArrowCursor;
    QTest::newRow("begin grip") << 29 << Qt::SizeHorCursor;
    QTest::newRow("inside") << 45 << Qt::OpenHandCursor;
    QTest::newRow("end grip") << 61 << Qt::SizeHorCursor;
    QTest::newRow("right of the band") << 80 << Qt::ArrowCursor;
    QTest::newRow("play line") << 99 << Qt::SizeHorCursor;
}

void TestClipSlider::hoverCursor()
{
    QFETCH(int, x);
    QFETCH(Qt::CursorShape, shape);

    Strip strip;
    hover(strip.slider, x);
    QCOMPARE(strip.slider.cursor().shape(), shape);
    QCOMPARE(strip.positions.count() + strip.clips.count(), 0);
}

void TestClipSlider::bandCursorClosesAndOpens()
{
    Strip strip;
    QTest::mousePress(&strip.slider, Qt::LeftButton, {}, at(45));
    QCOMPARE(strip.slider.cursor().shape(), Qt::ClosedHandCursor);
    QTest::mouseRelease(&strip.slider, Qt::LeftButton, {}, at(45));
    QCOMPARE(strip.slider.cursor().shape(), Qt::OpenHandCursor);
}

void TestClipSlider::paint_data()
{
    QTest::addColumn<double>("clipEnd");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QRgb>("colour");

    QTest::newRow("background") << 6.0 << QPoint(200, 25) << background;
    QTest::newRow("left of the band") << 6.0 << QPoint(29, 25) << background;
    QTest::newRow("band left frame") << 6.0 << QPoint(31, 25) << frame;
    QTest::newRow("band inside") << 6.0 << QPoint(45, 25) << insideOverBackground;
    QTest::newRow("band right frame") << 6.0 << QPoint(59, 25) << frame;
    QTest::newRow("right of the band") << 6.0 << QPoint(60, 25) << background;
    QTest::newRow("band top frame") << 6.0 << QPoint(45, 1) << frame;
    QTest::newRow("band bottom frame") << 6.0 << QPoint(45, 48) << frame;
    QTest::newRow("inside below the top frame") << 6.0 << QPoint(45, 2) << insideOverBackground;
    QTest::newRow("play line top") << 6.0 << QPoint(100, 0) << qRgb(255, 0, 0);
    QTest::newRow("play line bottom") << 6.0 << QPoint(100, 49) << qRgb(255, 0, 0);
    QTest::newRow("beside the play line") << 6.0 << QPoint(101, 25) << background;
    // A clip narrower than 3 pixels is drawn 3 wide, so it can be seen and grabbed.
    QTest::newRow("a narrow band is 3 wide") << 3.05 << QPoint(32, 25) << frame;
    QTest::newRow("after a narrow band") << 3.05 << QPoint(33, 25) << background;
    QTest::newRow("4 wide is all frame") << 3.4 << QPoint(32, 25) << frame;
    QTest::newRow("5 wide has an inside") << 3.5 << QPoint(32, 25) << insideOverBackground;
}

void TestClipSlider::paint()
{
    QFETCH(double, clipEnd);
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, colour);

    Strip strip;
    strip.slider.setClip(3, clipEnd);
    const QImage image = strip.slider.grab().toImage();
    QCOMPARE(image.size(), QSize(530, 50));
    const QRgb got = image.pixel(pixel);
    QVERIFY2(near(got, colour), qPrintable(QString::number(got, 16)));
}

void TestClipSlider::waveImageIsStretched()
{
    Strip strip;
    QImage wave(265, 25, QImage::Format_ARGB32);
    wave.fill(0);
    for (int x = 0; x < 265; ++x)
        wave.setPixel(x, 20, qRgb(0, 200, 0));
    strip.slider.setWaveImage(wave);
    const QImage image = strip.slider.grab().toImage();
    QVERIFY(near(image.pixel(400, 41), qRgb(0, 200, 0)));
    QVERIFY(near(image.pixel(400, 25), background));
    QVERIFY(!near(image.pixel(45, 41), image.pixel(45, 25)));
}

void TestClipSlider::cornerCut()
{
    Strip strip;
    strip.slider.setCornerCut(10);
    const QRegion mask = strip.slider.mask();
    for (const QPoint &corner : {QPoint(0, 0), QPoint(529, 0), QPoint(0, 49), QPoint(529, 49)})
        QVERIFY(!mask.contains(corner));
    QVERIFY(!mask.contains(QPoint(4, 4)));
    QVERIFY(mask.contains(QPoint(7, 7)));
    QVERIFY(mask.contains(QPoint(10, 0)));
    QVERIFY(mask.contains(QPoint(0, 25)));
    QVERIFY(mask.contains(QPoint(265, 49)));

    strip.slider.setCornerCut(100);
    QVERIFY(!strip.slider.mask().contains(QPoint(10, 10)));
    QVERIFY(strip.slider.mask().contains(QPoint(25, 0)));
}

QTEST_MAIN(TestClipSlider)
#include "tst_clipslider.moc"
