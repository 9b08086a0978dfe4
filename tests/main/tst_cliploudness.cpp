#include "editor/cliploudness.h"
#include "editor/volumelevels.h"
#include "editor/wavintake.h"
#include "mediatool.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

// The integrated loudness the reference tool's meter gives for a whole file.
double metered(const QString &path)
{
    QProcess meter;
    meter.start(QStringLiteral("/usr/bin/ffmpeg"),
                {"-nostats", "-i", path, "-af", "ebur128", "-f", "null", "-"});
    meter.waitForFinished(60000);
    const QRegularExpressionMatch match
            = QRegularExpression(QStringLiteral(R"(Integrated loudness:\s+I:\s+(-?[\d.]+) LUFS)"))
                      .match(QString::fromUtf8(meter.readAllStandardError()));
    return match.hasMatch() ? match.captured(1).toDouble() : 1000.0;
}

} // namespace

// The loudness shown for a clip is that of the ringtone the encoder makes of it, its limiter
// included, up to the top of the volume slider.
class TestClipLoudness : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void asMade_data();
    void asMade();

private:
    QTemporaryDir dir;
    QString wav;
    WavIntake intake;
};

// Music-like: a pulsing chord over pink noise, its peaks near full scale.
void TestClipLoudness::initTestCase()
{
    QVERIFY(dir.isValid());
    wav = dir.filePath(QStringLiteral("song.wav"));
    QVERIFY(MediaTool::make(
            {"-f",
             "lavfi",
             "-i",
             "aevalsrc=0.45*sin(2*PI*220*t)*abs(sin(2*PI*1.5*t))+0.2*sin(2*PI*2637*t)"
             "+0.15*sin(2*PI*330*t+1)|0.4*sin(2*PI*277*t)*abs(sin(2*PI*1.5*t+0.5))"
             "+0.2*sin(2*PI*1976*t):s=44100:d=40",
             "-f",
             "lavfi",
             "-i",
             "anoisesrc=c=pink:a=0.12:d=40:r=44100",
             "-filter_complex",
             "[1]aformat=channel_layouts=stereo[n];[0][n]amix=normalize=0",
             "-ac",
             "2",
             "-c:a",
             "pcm_s16le",
             wav}));
    intake = readWavIntake(wav, QSize(100, 40));
    QVERIFY(intake.blocks && intake.summary);
}

void TestClipLoudness::asMade_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<qint64>("beginMs");
    QTest::addColumn<qint64>("endMs");

    QTest::newRow("half volume: the limiter stays out") << 50 << qint64(2000) << qint64(32000);
    QTest::newRow("unchanged") << 100 << qint64(2000) << qint64(32000);
    QTest::newRow("1.6x") << 115 << qint64(5300) << qint64(25300);
    QTest::newRow("2.5x") << 137 << qint64(0) << qint64(30000);
    QTest::newRow("4.4x") << 185 << qint64(10000) << qint64(40000);
    QTest::newRow("top of the slider") << 200 << qint64(1234) << qint64(11234);
}

void TestClipLoudness::asMade()
{
    QFETCH(int, position);
    QFETCH(qint64, beginMs);
    QFETCH(qint64, endMs);
    ClipLoudness meter;
    meter.setSource(wav, intake.blocks, intake.summary);
    QSignalSpy measured(&meter, &ClipLoudness::measured);
    meter.measure(beginMs, endMs, volumeGain(position));
    QTRY_COMPARE_WITH_TIMEOUT(measured.size(), 1, 30000);
    const double shown = measured.constFirst().at(0).toDouble();
    QCOMPARE(measured.constFirst().at(1).toDouble(), volumeGain(position));

    const QString tone = dir.filePath(QStringLiteral("tone%1.m4r").arg(position));
    const QStringList line = {"-ss",
                              QString::number(beginMs / 1000.0),
                              "-t",
                              QString::number((endMs - beginMs) / 1000.0),
                              "-y",
                              "-i",
                              wav,
                              "-vol",
                              QString::number(encoderVolume(position)),
                              "-vn",
                              "-ab",
                              "192K",
                              "-ac",
                              "2",
                              "-ar",
                              "44100",
                              tone};
    const MediaTool::Run made = MediaTool::run(
            qEnvironmentVariable("VARDEL_BIN_DIR") + QStringLiteral("/ffmpeg"), line);
    QCOMPARE(made.exitCode, 0);
    const double expected = metered(tone);
    qInfo("%.2f LUFS shown, %.2f made; %.2f without the limiter",
          shown,
          expected,
          meter.plain(beginMs, endMs) + 20 * std::log10(volumeGain(position)));
    QVERIFY2(std::abs(shown - expected) <= 0.5,
             qPrintable(QStringLiteral("%1 LUFS shown, %2 made").arg(shown).arg(expected)));
}

QTEST_GUILESS_MAIN(TestClipLoudness)
#include "tst_cliploudness.moc"
