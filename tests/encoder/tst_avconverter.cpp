#include "media/avconverter.h"
#include "mediatool.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

QString standIn()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/encoder_standin");
}

} // namespace

class TestAVConverter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void argumentLists_data();
    void argumentLists();
    void progress_data();
    void progress();
    void exitStatus_data();
    void exitStatus();
    void programThatCannotStart();
    void realEncoderJob();
    void destroyedWhileRunningLeavesNoFile();

private:
    // Runs one job on the stand-in, which prints output and exits with exitCode.
    void runStandIn(CAVConverter &job, int type, const QByteArray &output, int exitCode);
    QStringList recordedArguments() const;

    QTemporaryDir m_dir;
};

void TestAVConverter::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::exists(standIn()));
    qputenv("STANDIN_ARGS", QFile::encodeName(m_dir.filePath(QStringLiteral("args.txt"))));
    qputenv("STANDIN_OUTPUT", QFile::encodeName(m_dir.filePath(QStringLiteral("output.txt"))));
}

void TestAVConverter::runStandIn(CAVConverter &job,
                                 int type,
                                 const QByteArray &output,
                                 int exitCode)
{
    QFile file(m_dir.filePath(QStringLiteral("output.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(output);
    file.close();
    qputenv("STANDIN_EXIT", QByteArray::number(exitCode));
    job.setProgram(standIn());
    QSignalSpy finished(&job, &CAVConverter::finished);
    job.start(type);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.count(), 1);
}

static QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeLast();
    return lines;
}

QStringList TestAVConverter::recordedArguments() const
{
    return readLines(m_dir.filePath(QStringLiteral("args.txt")));
}

void TestAVConverter::argumentLists_data()
{
    QTest::addColumn<double>("start"); // NaN: not added
    QTest::addColumn<double>("length"); // NaN: not added
    QTest::addColumn<int>("volume"); // negative: not added
    QTest::addColumn<int>("fadeIn"); // negative: not added
    QTest::addColumn<QStringList>("expected");

    const double none = std::nan("");
    const QString in = QStringLiteral("/music/a b.mp3");
    const QString out = QStringLiteral("/tmp/a b.wav");
    const QStringList tail = {"-vn", "-ab", "192K", "-ac", "2", "-ar", "44100", out};
    QTest::newRow("decode, path with a space is one argument")
            << none << none << -1 << -1 << (QStringList {"-y", "-i", in} + tail);
    // The generation line with its four option values as the encoder receives them.
    const auto generate = [&](const char *ss, const char *t, const char *vol, const char *fade) {
        return QStringList {"-ss", ss, "-t", t, "-y", "-i", in, "-vol", vol, "-fadein", fade}
        + tail;
    };
    QTest::newRow("generate 12.5 to 40 s, unchanged volume, fade-in 3")
            << 12.5 << 27.5 << 256 << 3 << generate("12.5", "27.5", "256", "3");
    QTest::newRow("clip at 0 lasting a third of a second")
            << 0.0 << 1.0 / 3 << 0 << 0 << generate("0", "0.333333", "0", "0");
    QTest::newRow("six decimals at most, no trailing zeros")
            << 83.1234567 << 12345.678 << 1259 << 10
            << generate("83.123457", "12345.678", "1259", "10");
    QTest::newRow("milliseconds of a long file are kept")
            << 1234.567 << 0.05 << 256 << 0 << generate("1234.567", "0.05", "256", "0");
    QTest::newRow("a length left over from subtraction reads as placed")
            << 3600.001 << 3612.346 - 3600.001 << 256 << 0
            << generate("3600.001", "12.345", "256", "0");
    QTest::newRow("negative zero is plain zero")
            << -0.0 << 10.0 << 256 << 0 << generate("0", "10", "256", "0");
    QTest::newRow("whole seconds") << 20.0 << 5.0 << 130 << 1 << generate("20", "5", "130", "1");
}

void TestAVConverter::argumentLists()
{
    QFETCH(double, start);
    QFETCH(double, length);
    QFETCH(int, volume);
    QFETCH(int, fadeIn);
    QFETCH(QStringList, expected);

    CAVConverter job;
    job.addStart(99); // reset() must forget earlier options
    job.reset();
    job.setInput(QStringLiteral("/music/a b.mp3"));
    if (!std::isnan(start))
        job.addStart(start);
    if (!std::isnan(length))
        job.addLength(length);
    if (volume >= 0)
        job.addVolume(volume);
    if (fadeIn >= 0)
        job.addFadeIn(fadeIn);
    job.setOutput(QStringLiteral("/tmp/a b.wav"));
    QFile::remove(m_dir.filePath(QStringLiteral("args.txt")));
    runStandIn(job, 1, QByteArray(), 0);
    QCOMPARE(recordedArguments(), expected);
    QCOMPARE(job.output(), QStringLiteral("/tmp/a b.wav"));
}

void TestAVConverter::progress_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<double>("expected");

    QTest::newRow("status line") << QByteArray("size= 100kB time=61.52 bitrate= 13.3kbits/s")
                                 << 61.52;
    QTest::newRow("no space after the number") << QByteArray("size= 100kB time=61.52") << 0.0;
    QTest::newRow("first of two counts") << QByteArray("time=1.5 x\rtime=2.5 y") << 1.5;
    QTest::newRow("clock form reads as zero") << QByteArray("time=00:01:01.52 bitrate=") << 0.0;
    QTest::newRow("text ends at a zero byte")
            << QByteArray("time=3.5", 8) + QByteArray(1, '\0') + QByteArray(" bitrate=") << 0.0;
    QTest::newRow("all of 256 bytes searched")
            << QByteArray(247, 'x') + QByteArray("time=7.5 ") << 7.5;
    QTest::newRow("nothing past 256 bytes searched")
            << QByteArray(248, 'x') + QByteArray("time=7.5 ") << 0.0;
}

void TestAVConverter::progress()
{
    QFETCH(QByteArray, output);
    QFETCH(double, expected);

    CAVConverter job;
    job.setInput(QStringLiteral("in.mp3"));
    job.setOutput(m_dir.filePath(QStringLiteral("out.wav")));
    runStandIn(job, 0, output, 0);
    QCOMPARE(job.encodedTime(), expected);
}

void TestAVConverter::exitStatus_data()
{
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("succeeded");

    QTest::newRow("decode that succeeds") << 0 << 0 << true;
    QTest::newRow("decode that fails") << 1 << 0 << false;
    QTest::newRow("generation that fails") << 2 << 1 << false;
}

void TestAVConverter::exitStatus()
{
    QFETCH(int, exitCode);
    QFETCH(int, type);
    QFETCH(bool, succeeded);

    CAVConverter job;
    job.setInput(QStringLiteral("in.mp3"));
    job.setOutput(m_dir.filePath(QStringLiteral("out.wav")));
    runStandIn(job, type, QByteArray("Error: something\n"), exitCode);
    QCOMPARE(job.succeeded(), succeeded);
    QCOMPARE(job.jobType(), type);
}

void TestAVConverter::programThatCannotStart()
{
    CAVConverter job;
    job.setProgram(m_dir.filePath(QStringLiteral("no-such-encoder")));
    job.setInput(QStringLiteral("in.mp3"));
    job.setOutput(m_dir.filePath(QStringLiteral("out.wav")));
    QSignalSpy finished(&job, &CAVConverter::finished);
    job.start(1);
    // Reported after start() has returned, so the caller has finished its own bookkeeping.
    QCOMPARE(finished.count(), 0);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.count(), 1);
    QVERIFY(!job.succeeded());
    QVERIFY(!job.started());
    QCOMPARE(job.jobType(), 1);
}

void TestAVConverter::realEncoderJob()
{
    const QString wav = m_dir.filePath(QStringLiteral("tone.wav"));
    QVERIFY(MediaTool::make({"-f", "lavfi", "-i", "sine=d=5", wav}));
    const QString output = m_dir.filePath(QStringLiteral("tone clip.m4a"));
    CAVConverter job;
    job.setProgram(qEnvironmentVariable("VARDEL_BIN_DIR") + QStringLiteral("/ffmpeg"));
    job.reset();
    job.setInput(wav);
    job.addStart(1);
    job.addLength(2.5);
    job.addVolume(256);
    job.addFadeIn(1);
    job.setOutput(output);
    QSignalSpy finished(&job, &CAVConverter::finished);
    job.start(1);
    QVERIFY(finished.wait(30000));
    QVERIFY(job.succeeded());
    QVERIFY(job.started());
    QVERIFY(QFile::exists(output));
    QCOMPARE(job.encodedTime(), 2.5);
}

void TestAVConverter::destroyedWhileRunningLeavesNoFile()
{
    const QString wav = m_dir.filePath(QStringLiteral("long.wav"));
    QVERIFY(MediaTool::make(
            {"-f", "lavfi", "-i", "aevalsrc=exprs=0.3*(2*random(0)-1):s=44100:d=300", wav}));
    const QString folder = m_dir.filePath(QStringLiteral("stopped"));
    QVERIFY(QDir().mkpath(folder));
    auto job = std::make_unique<CAVConverter>();
    job->setProgram(qEnvironmentVariable("VARDEL_BIN_DIR") + QStringLiteral("/ffmpeg"));
    job->setInput(wav);
    job->setOutput(folder + QStringLiteral("/long.m4a"));
    QSignalSpy finished(job.get(), &CAVConverter::finished);
    job->start(1);
    QTRY_VERIFY_WITH_TIMEOUT(job->encodedTime() > 0 || !finished.isEmpty(), 30000);
    if (!finished.isEmpty())
        QSKIP("the encoder finished before it could be stopped");
    job.reset();
    QCOMPARE(finished.count(), 0);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

QTEST_GUILESS_MAIN(TestAVConverter)
#include "tst_avconverter.moc"
