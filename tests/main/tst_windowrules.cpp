// The main window's small rules: its clock text, the first clip, the job's percent and the
// bars that show it.
#include "editor/cliptimes.h"
#include "editor/progressbars.h"

#include <QTest>

#include <limits>

class TestWindowRules : public QObject
{
    Q_OBJECT

private slots:
    void clock_data();
    void clock();
    void percent_data();
    void percent();
    void bars_data();
    void bars();
};

void TestWindowRules::clock_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "00:00:00";
    QTest::newRow("parts of a second are cut") << 59.999 << "00:00:59";
    QTest::newRow("minutes") << 83.5 << "00:01:23";
    QTest::newRow("hours") << 3723.0 << "01:02:03";
    QTest::newRow("last of a day") << 86399.9 << "23:59:59";
}

void TestWindowRules::clock()
{
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(clockText(seconds), text);
}

void TestWindowRules::percent_data()
{
    QTest::addColumn<double>("encoded");
    QTest::addColumn<double>("file");
    QTest::addColumn<int>("expected"); // -1: nothing shown

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("start") << 0.0 << 20.0 << 0;
    QTest::newRow("truncated") << 9.99 << 20.0 << 49;
    QTest::newRow("end") << 20.0 << 20.0 << 100;
    QTest::newRow("just past the end still 100") << 20.19 << 20.0 << 100;
    QTest::newRow("past the end") << 20.2 << 20.0 << -1;
    QTest::newRow("slightly negative rounds to 0") << -0.1 << 20.0 << 0;
    QTest::newRow("negative") << -1.0 << 20.0 << -1;
    QTest::newRow("no length") << 5.0 << 0.0 << -1;
    QTest::newRow("nothing of no length") << 0.0 << 0.0 << -1;
    QTest::newRow("endless") << inf << 20.0 << -1;
}

void TestWindowRules::percent()
{
    QFETCH(double, encoded);
    QFETCH(double, file);
    QFETCH(int, expected);
    const std::optional<int> shown = jobPercent(encoded, file);
    QCOMPARE(shown.value_or(-1), expected);
}

void TestWindowRules::bars_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QPoint>("leftAt");
    QTest::addColumn<QRect>("leftSource");
    QTest::addColumn<QPoint>("rightAt");
    QTest::addColumn<QRect>("rightSource");

    QTest::newRow("empty") << 0 << QPoint(0, 490) << QRect(0, 408, 26, 425) << QPoint(644, 495)
                           << QRect(0, 287, 27, 299);
    QTest::newRow("half") << 50 << QPoint(0, 290) << QRect(0, 208, 26, 425) << QPoint(644, 352)
                          << QRect(0, 144, 27, 299);
    QTest::newRow("full") << 100 << QPoint(0, 90) << QRect(0, 8, 26, 425) << QPoint(644, 208)
                          << QRect(0, 0, 27, 299);
}

void TestWindowRules::bars()
{
    QFETCH(int, percent);
    const BarPiece left = leftBarPiece(percent);
    const BarPiece right = rightBarPiece(percent);
    QTEST(left.at, "leftAt");
    QTEST(left.source, "leftSource");
    QTEST(right.at, "rightAt");
    QTEST(right.source, "rightSource");
    // Whatever the percent, the fore picture lies exactly over its back picture.
    QCOMPARE(left.at.y() - left.source.y(), 82);
    QCOMPARE(right.at.y() - right.source.y(), 208);
}

QTEST_APPLESS_MAIN(TestWindowRules)
#include "tst_windowrules.moc"
