#include "editor/volumelevels.h"

#include <QTest>

class TestVolumeLevels : public QObject
{
    Q_OBJECT

private slots:
    void levels_data();
    void levels();
};

void TestVolumeLevels::levels_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("encoder");
    QTest::addColumn<int>("preview");
    QTest::addColumn<QString>("label");

    QTest::newRow("silence") << 0 << 0 << 0 << "0.0";
    QTest::newRow("one decimal, truncated") << 5 << 12 << 5 << "0.0";
    QTest::newRow("half") << 51 << 130 << 51 << "0.5";
    QTest::newRow("99") << 99 << 253 << 99 << "0.9";
    QTest::newRow("unchanged") << 100 << 256 << 100 << "1";
    QTest::newRow("first step above") << 102 << 276 << 116 << "1";
    QTest::newRow("twice") << 124 << 501 << 204 << "2";
    QTest::newRow("150") << 150 << 768 << 308 << "3";
    QTest::newRow("highest the slider yields") << 198 << 1259 << 500 << "5";
}

void TestVolumeLevels::levels()
{
    QFETCH(int, position);
    QTEST(encoderVolume(position), "encoder");
    QTEST(previewHundredths(position), "preview");
    QTEST(previewFactorText(position), "label");
}

QTEST_APPLESS_MAIN(TestVolumeLevels)
#include "tst_volumelevels.moc"
