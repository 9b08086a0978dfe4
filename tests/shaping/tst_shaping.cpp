#include "shaping/fadein.h"

#include <QTest>

class TestShaping : public QObject
{
    Q_OBJECT

private slots:
    void fadeInRamp_data();
    void fadeInRamp();
};

void TestShaping::fadeInRamp_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("rate");
    QTest::addColumn<qint64>("index");
    QTest::addColumn<qint64>("frames");
    QTest::addColumn<double>("level");

    QTest::newRow("no fade, first frame") << 0.0 << 44100 << qint64(0) << qint64(0) << 1.0;
    QTest::newRow("first frame is silent") << 2.0 << 44100 << qint64(0) << qint64(88200) << 0.0;
    QTest::newRow("halfway") << 2.0 << 44100 << qint64(44100) << qint64(88200) << 0.5;
    QTest::newRow("last frame of the ramp") << 1.0 << 4 << qint64(3) << qint64(4) << 0.75;
    QTest::newRow("full level after the ramp") << 1.0 << 4 << qint64(4) << qint64(4) << 1.0;
    QTest::newRow("second frame") << 3.0 << 44100 << qint64(1) << qint64(132300) << 1.0 / 132300;
    QTest::newRow("length rounds to whole frames")
            << 0.1 / 3 << 44100 << qint64(735) << qint64(1470) << 0.5;
}

void TestShaping::fadeInRamp()
{
    QFETCH(double, seconds);
    QFETCH(int, rate);
    QFETCH(qint64, index);
    QFETCH(qint64, frames);
    QFETCH(double, level);

    const shaping::FadeIn fade(seconds, rate);
    QCOMPARE(fade.frames(), frames);
    QCOMPARE(fade.levelAt(index), level);
    QCOMPARE(fade.doneAt(index), level == 1.0);
}

QTEST_APPLESS_MAIN(TestShaping)
#include "tst_shaping.moc"
