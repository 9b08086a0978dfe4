#include "editor/volumelevels.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestVolumeLevels : public QObject
{
    Q_OBJECT

private slots:
    void levels_data();
    void levels();
    void limiterWorks_data();
    void limiterWorks();
    void evenLoudness_data();
    void evenLoudness();
};

// The preview plays exactly the gain N / 256 that the encoder writes; the label shows it.
void TestVolumeLevels::levels_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("encoder");
    QTest::addColumn<QString>("label");

    QTest::newRow("silence") << 0 << 0 << "0";
    QTest::newRow("a whisper rounds to nothing") << 5 << 12 << "0";
    QTest::newRow("half") << 51 << 130 << "0.5";
    QTest::newRow("99 rounds to whole") << 99 << 253 << "1";
    QTest::newRow("unchanged") << 100 << 256 << "1";
    QTest::newRow("first step above") << 102 << 276 << "1.1";
    QTest::newRow("116") << 116 << 419 << "1.6";
    QTest::newRow("124") << 124 << 501 << "2";
    QTest::newRow("150") << 150 << 768 << "3";
    QTest::newRow("highest the slider yields") << 198 << 1259 << "4.9";
}

void TestVolumeLevels::levels()
{
    QFETCH(int, position);
    QFETCH(int, encoder);
    QCOMPARE(encoderVolume(position), encoder);
    QCOMPARE(volumeGain(position), encoder / 256.0);
    QTEST(gainText(position), "label");
}

// The ceiling is -1 dBFS, a magnitude of 29204.8 of 32768; the encoder's level is N / 256.
void TestVolumeLevels::limiterWorks_data()
{
    QTest::addColumn<int>("peak");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("works");

    QTest::newRow("full scale, unchanged") << 32768 << 100 << true;
    QTest::newRow("just under the ceiling, unchanged") << 29204 << 100 << false;
    QTest::newRow("just over the ceiling, unchanged") << 29205 << 100 << true;
    QTest::newRow("half scale, 2x by the label, 1.96x written") << 16384 << 124 << true;
    QTest::newRow("a third of full scale, 2x by the label") << 10923 << 124 << false;
    QTest::newRow("quiet clip, highest position") << 5900 << 198 << false;
    QTest::newRow("silence, highest position") << 0 << 198 << false;
    QTest::newRow("full scale, silenced") << 32768 << 0 << false;
}

void TestVolumeLevels::limiterWorks()
{
    QFETCH(int, peak);
    QFETCH(int, position);
    QTEST(::limiterWorks(peak, position), "works");
}

void TestVolumeLevels::evenLoudness_data()
{
    QTest::addColumn<double>("loudness"); // of the clip at unchanged volume
    QTest::addColumn<int>("position");

    QTest::newRow("at the target already: unchanged") << -14.0 << 100;
    // 10^(6/20) = 1.995: 1.96 (position 124) is the last gain under it.
    QTest::newRow("6 dB quiet") << -20.0 << 124;
    QTest::newRow("6 dB loud") << -8.0 << 49;
    QTest::newRow("very quiet: the largest gain, -vol 1259") << -40.0 << 198;
    QTest::newRow("silence: left as it is") << -std::numeric_limits<double>::infinity() << 77;
    QTest::newRow("not measured: left as it is") << std::numeric_limits<double>::quiet_NaN() << 77;
}

// The gain reaches the target from below, at a position a drag reaches too.
void TestVolumeLevels::evenLoudness()
{
    QFETCH(double, loudness);
    QFETCH(int, position);

    const int even = evenLoudnessPosition(loudness, -14.0, 77);
    QCOMPARE(even, position);
    if (!std::isfinite(loudness))
        return;
    QVERIFY(loudnessAt(loudness, even) <= -14.0 + 1e-9);
    QVERIFY(encoderVolume(even) <= 1259);
    bool reachable = false;
    for (int k = 0; k <= 128; ++k)
        reachable = reachable || 200 * k / 129 == even;
    QVERIFY(reachable);
}

QTEST_APPLESS_MAIN(TestVolumeLevels)
#include "tst_volumelevels.moc"
