#include "editor/volumeslider.h"
#include "editor/volumeslidermath.h"

#include <QSignalSpy>
#include <QtTest>

using namespace volumeslider;

namespace {

// The main window's 160 x 16 slider at rest on 100: track 15 .. 143, thumb at 79.
struct Volume
{
    Volume()
    {
        slider.resize(160, 16);
        slider.show();
        slider.setPos(100);
    }
    CVolumeSlider slider;
    QSignalSpy moved {&slider, &CVolumeSlider::sliderMoved};
};

QPoint at(int x)
{
    return QPoint(x, 8);
}

QList<int> emitted(const QSignalSpy &spy)
{
    QList<int> values;
    for (const QList<QVariant> &arguments : spy)
        values.append(arguments.at(0).toInt());
    return values;
}

} // namespace

class TestVolumeSlider : public QObject
{
    Q_OBJECT

private slots:
    void thumbOfPosition_data();
    void thumbOfPosition();
    void reachableValues();
    void snapToMiddle_data();
    void snapToMiddle();
    void click_data();
    void click();
    void clicksInTurn();
    void pressOnThumbDragsAndSnaps();
    void clickBesideThumbDoesNotDrag();
    void dragOutsideHoldsTheEnds();
    void setPosNeverEmits();
    void keysMoveThumb_data();
    void keysMoveThumb();
    void paintsWithoutItsPictures();
};

void TestVolumeSlider::thumbOfPosition_data()
{
    QTest::addColumn<double>("position");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("thumb");

    QTest::newRow("middle") << 100.0 << 160 << 79;
    QTest::newRow("silence") << 0.0 << 160 << 15;
    QTest::newRow("200 lies beyond the track") << 200.0 << 160 << 144;
    QTest::newRow("198") << 198.0 << 160 << 142;
    QTest::newRow("odd width") << 100.0 << 161 << 80;
    QTest::newRow("below the range") << -10.0 << 160 << 8;
}

void TestVolumeSlider::thumbOfPosition()
{
    QFETCH(double, position);
    QFETCH(int, width);
    QFETCH(int, thumb);

    QCOMPARE(thumbX(position, width), thumb);
}

void TestVolumeSlider::reachableValues()
{
    QList<int> values;
    for (int x = -20; x < 200; ++x) {
        const int value = int(positionAt(clampToTrack(x, 160), 160));
        if (values.isEmpty() || values.last() != value)
            values.append(value);
    }
    QCOMPARE(values.size(), 129);
    QCOMPARE(values.mid(0, 9), QList<int>({0, 1, 3, 4, 6, 7, 9, 10, 12}));
    QCOMPARE(values.mid(125), QList<int>({193, 195, 196, 198}));
    QVERIFY(values.contains(100));
}

void TestVolumeSlider::snapToMiddle_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("snapped");

    QTest::newRow("76 stays") << 76 << 76;
    QTest::newRow("77 snaps") << 77 << 80;
    QTest::newRow("83 snaps") << 83 << 80;
    QTest::newRow("84 stays") << 84 << 84;
}

void TestVolumeSlider::snapToMiddle()
{
    QFETCH(int, x);
    QFETCH(int, snapped);

    QCOMPARE(volumeslider::snapToMiddle(x, 160), snapped);
}

void TestVolumeSlider::click_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("thumb");

    QTest::newRow("x = 90") << 100.0 << 90 << 116 << 90;
    QTest::newRow("x = 60") << 100.0 << 60 << 69 << 60;
    QTest::newRow("x = 81 does not snap") << 0.0 << 81 << 102 << 81;
    QTest::newRow("minus sign") << 100.0 << 8 << 0 << 15;
    QTest::newRow("plus sign") << 100.0 << 150 << 198 << 143;
    QTest::newRow("left of the widget") << 100.0 << -30 << 0 << 15;
    QTest::newRow("3 right of the thumb") << 100.0 << 82 << 103 << 82;
    QTest::newRow("from beyond the track") << 200.0 << 100 << 131 << 100;
}

void TestVolumeSlider::click()
{
    QFETCH(double, start);
    QFETCH(int, x);
    QFETCH(int, value);
    QFETCH(int, thumb);

    Volume volume;
    volume.slider.setPos(start);
    QTest::mouseClick(&volume.slider, Qt::LeftButton, {}, at(x));
    QCOMPARE(emitted(volume.moved), QList<int>({value}));
    QCOMPARE(volume.slider.position(), value);
    QCOMPARE(volume.slider.thumbX(), thumb);
}

// The strong plus shows from 101 on and goes again below it.
void TestVolumeSlider::clicksInTurn()
{
    Volume volume;
    QVERIFY(!showsStrongPlus(volume.slider.position()));
    QTest::mouseClick(&volume.slider, Qt::LeftButton, {}, at(90));
    QVERIFY(showsStrongPlus(volume.slider.position()));
    QTest::mouseClick(&volume.slider, Qt::LeftButton, {}, at(60));
    QVERIFY(!showsStrongPlus(volume.slider.position()));
    QCOMPARE(emitted(volume.moved), QList<int>({116, 69}));
    QVERIFY(showsStrongPlus(101));
    QVERIFY(!showsStrongPlus(100.9));
}

void TestVolumeSlider::pressOnThumbDragsAndSnaps()
{
    Volume volume;
    QCOMPARE(volume.slider.thumbX(), 79);
    QTest::mousePress(&volume.slider, Qt::LeftButton, {}, at(77));
    QCOMPARE(volume.moved.count(), 0);
    QTest::mouseMove(&volume.slider, at(80));
    QTest::mouseMove(&volume.slider, at(82));
    QTest::mouseMove(&volume.slider, at(84));
    QTest::mouseMove(&volume.slider, at(76));
    QTest::mouseMove(&volume.slider, at(79));
    QTest::mouseRelease(&volume.slider, Qt::LeftButton, {}, at(79));
    QCOMPARE(emitted(volume.moved), QList<int>({100, 106, 94, 100}));
    QCOMPARE(volume.slider.thumbX(), 80);
}

void TestVolumeSlider::clickBesideThumbDoesNotDrag()
{
    Volume volume;
    QTest::mousePress(&volume.slider, Qt::LeftButton, {}, at(30));
    QTest::mouseMove(&volume.slider, at(40));
    QTest::mouseMove(&volume.slider, at(100));
    QTest::mouseRelease(&volume.slider, Qt::LeftButton, {}, at(100));
    QCOMPARE(emitted(volume.moved), QList<int>({23}));
    QCOMPARE(volume.slider.thumbX(), 30);

    // Released, the thumb at 30 can be grabbed and dragged from there.
    QTest::mousePress(&volume.slider, Qt::LeftButton, {}, at(31));
    QTest::mouseMove(&volume.slider, at(40));
    QCOMPARE(emitted(volume.moved), QList<int>({23, 38}));
}

void TestVolumeSlider::dragOutsideHoldsTheEnds()
{
    Volume volume;
    QTest::mousePress(&volume.slider, Qt::LeftButton, {}, at(79));
    QTest::mouseMove(&volume.slider, QPoint(500, 40));
    QCOMPARE(volume.slider.thumbX(), 143);
    QTest::mouseMove(&volume.slider, QPoint(-100, -40));
    QCOMPARE(volume.slider.thumbX(), 15);
    QTest::mouseRelease(&volume.slider, Qt::LeftButton, {}, QPoint(-100, -40));
    QCOMPARE(emitted(volume.moved), QList<int>({198, 0}));
}

void TestVolumeSlider::setPosNeverEmits()
{
    Volume volume;
    volume.slider.setPos(200);
    QCOMPARE(volume.slider.thumbX(), 144);
    QCOMPARE(volume.slider.position(), 200);
    volume.slider.setPos(57.9);
    QCOMPARE(volume.slider.position(), 57);
    QCOMPARE(volume.moved.count(), 0);
}

// The pictures come from the resources; drawing must not depend on them being there.
void TestVolumeSlider::paintsWithoutItsPictures()
{
    Volume volume;
    QCOMPARE(volume.slider.grab().size(), QSize(160, 16));
    volume.slider.resize(200, 16);
    QCOMPARE(volume.slider.thumbX(), thumbX(100, 200));
}

void TestVolumeSlider::keysMoveThumb_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("thumb");

    QTest::newRow("right") << int(Qt::Key_Right) << 80;
    QTest::newRow("up") << int(Qt::Key_Up) << 80;
    QTest::newRow("left") << int(Qt::Key_Left) << 78;
    QTest::newRow("page up") << int(Qt::Key_PageUp) << 89;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << 69;
    QTest::newRow("home") << int(Qt::Key_Home) << 15;
    QTest::newRow("end") << int(Qt::Key_End) << 143;
}

// The keys move the thumb as a drag would and report the new position once.
void TestVolumeSlider::keysMoveThumb()
{
    QFETCH(int, key);
    QFETCH(int, thumb);
    Volume v;
    QCOMPARE(v.slider.focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(&v.slider, Qt::Key(key));
    QCOMPARE(v.slider.thumbX(), thumb);
    QCOMPARE(emitted(v.moved), QList<int> {int(positionAt(thumb, 160))});
    QCOMPARE(v.slider.position(), int(positionAt(thumb, 160)));
    // At the end of the track a further step reports nothing.
    for (int i = 0; i < 200; ++i)
        QTest::keyClick(&v.slider, Qt::Key(key));
    v.moved.clear();
    QTest::keyClick(&v.slider, Qt::Key(key));
    QVERIFY(v.moved.isEmpty());
}

QTEST_MAIN(TestVolumeSlider)
#include "tst_volumeslider.moc"
