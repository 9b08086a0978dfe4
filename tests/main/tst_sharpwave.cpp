#include "mainfixture.h"

#include <QtMath>

// On a screen that scales (QT_SCALE_FACTOR in this test's environment), the strip's waveform is
// drawn in the screen's own pixels, the whole file's picture and a zoomed view's alike.
class TestSharpWave : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void drawnAtTheScreensScale();

private:
    MainFixture f;
};

void TestSharpWave::initTestCase()
{
    MainFixture::isolateSettings();
    f.open();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QVERIFY(f.window->devicePixelRatioF() > 1.0);
}

void TestSharpWave::drawnAtTheScreensScale()
{
    f.loadAndWait(f.makeTone(QStringLiteral("tone.wav"), 20));
    CClipSlider *strip = f.slider();
    const qreal ratio = strip->devicePixelRatioF();
    const QSize pixels(qCeil(strip->width() * ratio), qCeil(strip->height() * ratio));
    QTRY_VERIFY(!strip->waveImage().isNull());
    QCOMPARE(strip->waveImage().devicePixelRatio(), ratio);
    QCOMPARE(strip->waveImage().size(), pixels);

    strip->setView(5, 10);
    emit strip->viewChanged(5, 10);
    QCOMPARE(strip->waveImage().devicePixelRatio(), ratio);
    QCOMPARE(strip->waveImage().size(), pixels);
}

QTEST_MAIN(TestSharpWave)
#include "tst_sharpwave.moc"
