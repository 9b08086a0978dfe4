#include "mediatool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int rate = 44100;

QString encoder()
{
    return qEnvironmentVariable("VARDEL_BIN_DIR") + QStringLiteral("/ffmpeg");
}

QStringList decodeLine(const QString &input, const QString &output)
{
    return {"-y", "-i", input, "-vn", "-ab", "192K", "-ac", "2", "-ar", "44100", output};
}

QStringList generateLine(const QString &input,
                         double start,
                         double length,
                         int volume,
                         int fadeIn,
                         const QString &output)
{
    return {"-ss",
            QString::number(start, 'g', 10),
            "-t",
            QString::number(length, 'g', 10),
            "-y",
            "-i",
            input,
            "-vol",
            QString::number(volume),
            "-fadein",
            QString::number(fadeIn),
            "-vn",
            "-ab",
            "192K",
            "-ac",
            "2",
            "-ar",
            "44100",
            output};
}

// The same line with no -vol at all, as another tool might run the encoder.
QStringList lineWithoutVolume(const QString &input,
                              double start,
                              double length,
                              const QString &output)
{
    QStringList line = generateLine(input, start, length, 256, 0, output);
    const qsizetype at = line.indexOf(QStringLiteral("-vol"));
    line.remove(at, 2);
    return line;
}

// Largest difference between out and the stereo frames of reference from frame first on.
int maxDifference(const QVector<qint16> &out, const QVector<qint16> &reference, qsizetype first)
{
    int worst = 0;
    for (qsizetype i = 0; i < out.size(); ++i)
        worst = std::max(worst, std::abs(int(out[i]) - int(reference[first * 2 + i])));
    return worst;
}

// What the encoder should make of source sample i (stereo frame i / 2).
double shaped(double source, qsizetype i, int volume, int fadeIn)
{
    const double frame = double(i / 2);
    const double ramp = fadeIn > 0 ? std::min(1.0, frame / (fadeIn * rate)) : 1.0;
    return std::clamp(source * volume / 256.0 * ramp, -32768.0, 32767.0);
}

double rms(const QVector<qint16> &samples, qsizetype from, qsizetype count)
{
    double sum = 0;
    for (qsizetype i = from; i < from + count; ++i)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / double(count));
}

QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Zeroes the payload of every top-level media data box: the container still tells its
// duration, but no frame decodes.
bool zeroMediaData(const QString &from, const QString &to)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = in.readAll();
    for (qsizetype at = 0; at + 8 <= bytes.size();) {
        const quint32 size = qFromBigEndian<quint32>(bytes.constData() + at);
        if (size < 8)
            return false;
        if (bytes.mid(at + 4, 4) == "mdat")
            std::fill(bytes.begin() + at + 8, bytes.begin() + std::min(at + size, bytes.size()), 0);
        at += size;
    }
    QFile out(to);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

// Runs the encoder with extra environment and a limit on the size of the files it writes.
MediaTool::Run runEncoder(const QStringList &arguments,
                          const QStringList &environment,
                          rlim_t fileSizeLimit = RLIM_INFINITY)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &entry : environment)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.setChildProcessModifier([fileSizeLimit] {
        const rlimit limit {fileSizeLimit, fileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(encoder(), arguments);
    return MediaTool::finish(process);
}

QString ioFault()
{
    return QStringLiteral("LD_PRELOAD=") + qEnvironmentVariable("VARDEL_IOFAULT");
}

// A process that is gone or a zombie waiting for a parent that may never reap it.
bool isRunning(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close > 0 && text.mid(close + 2, 1) != "Z";
}

} // namespace

class TestEncoder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void decodeKeepsEverySample_data();
    void decodeKeepsEverySample();
    void decodeToStandardOutput_data();
    void decodeToStandardOutput();
    void clipIsSampleExact_data();
    void clipIsSampleExact();
    void ringtoneFile_data();
    void ringtoneFile();
    void titleIsTheName_data();
    void titleIsTheName();
    void volumeAndFadeIn_data();
    void volumeAndFadeIn();
    void limiterKeepsUnderTheCeiling_data();
    void limiterKeepsUnderTheCeiling();
    void fadeOut_data();
    void fadeOut();
    void monoIsUpmixedAtFullLevel();
    void videoInputGivesItsAudio();
    void unusualPathsWork();
    void progressInSeconds();
    void failures_data();
    void failures();
    void decimalTimesAreTaken_data();
    void decimalTimesAreTaken();
    void leftoversOfGoneEncodersAreSwept();
    void overwritesOnlyWithY();
    void outputFailsCleanly_data();
    void outputFailsCleanly();
    void writesInLargeBlocks();
    void longestNamesWork_data();
    void longestNamesWork();
    void stopsWhenItsParentDies_data();
    void stopsWhenItsParentDies();
    void checksItsParentAtStart_data();
    void checksItsParentAtStart();
    void signalsLeaveNoOutput_data();
    void signalsLeaveNoOutput();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString freshFolder();

    QTemporaryDir m_dir;
    int m_folders = 0;
    QVector<qint16> m_noise;
    QVector<qint16> m_song;
    QVector<qint16> m_sine;
};

void TestEncoder::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(QFile::exists(encoder()), qPrintable(encoder()));
    QVERIFY(MediaTool::make({"-f",
                             "lavfi",
                             "-i",
                             "aevalsrc=exprs=0.4*(2*random(0)-1)|0.4*(2*random(1)-1):s=44100:d=20",
                             "-c:a",
                             "pcm_s16le",
                             path("noise.wav")}));
    QVERIFY(MediaTool::make({"-f",
                             "lavfi",
                             "-i",
                             "sine=f=440:d=40",
                             "-f",
                             "lavfi",
                             "-i",
                             "sine=f=660:d=40",
                             "-filter_complex",
                             "amerge",
                             "-ac",
                             "2",
                             "-b:a",
                             "192k",
                             path("song.mp3")}));
    QVERIFY(MediaTool::make({"-f",
                             "lavfi",
                             "-i",
                             "aevalsrc=exprs=0.5*sin(2*PI*441*t)|0.5*sin(2*PI*882*t):s=44100:d=6",
                             "-c:a",
                             "pcm_s16le",
                             path("sine.wav")}));
    QVERIFY(MediaTool::make({"-f",
                             "lavfi",
                             "-i",
                             "aevalsrc=exprs=0.5*sin(2*PI*300*t):s=22050:d=3",
                             "-c:a",
                             "pcm_s16le",
                             path("mono.wav")}));
    QVERIFY(MediaTool::makeVideo(path("video.mkv"), 3, 3));
    QVERIFY(MediaTool::makeVideo(path("noaudio.mkv"), 1, 0));
    QVERIFY(MediaTool::makeVideo(path("shortaudio.mkv"), 6, 2));
    QVERIFY(MediaTool::make({"-f", "lavfi", "-i", "sine=d=5", "-c:a", "aac", path("aac.m4a")}));
    QVERIFY(zeroMediaData(path("aac.m4a"), path("zeroed.m4a")));
    const QStringList levels[]
            = {{"loud-tone.wav", "sin(2*PI*997*t)"},
               {"loud-noise.wav", "2*random(%1)-1"},
               {"loud-square.wav", "if(lt(mod(t\\,0.002)\\,0.001)\\,1\\,-1)"},
               {"quiet-tone.wav", "0.1*sin(2*PI*997*t)"},
               {"quiet-noise.wav", "0.2*(2*random(%1)-1)"},
               // Bursts of loud noise, 20 ms in every half second.
               {"gated-noise.wav", "if(lt(mod(t\\,0.5)\\,0.02)\\,0.9*(2*random(%1)-1)\\,0)"}};
    // Noise takes each channel's seed for %1; a tone has no %1 and is the same in both.
    const auto channel = [](const QString &expression, int seed) {
        return expression.contains(QLatin1String("%1")) ? expression.arg(seed) : expression;
    };
    for (const QStringList &level : levels) {
        const QString expression = QStringLiteral("aevalsrc=exprs=%1|%2:s=44100:d=3")
                                           .arg(channel(level[1], 0), channel(level[1], 1));
        QVERIFY(MediaTool::make(
                {"-f", "lavfi", "-i", expression, "-c:a", "pcm_s16le", path(level[0])}));
    }
    // Chords and bass under decaying noise bursts, as loud as mastered music; the same noise
    // every run.
    QVERIFY(MediaTool::make(
            {"-f",
             "lavfi",
             "-i",
             "aevalsrc=exprs=0.4*sin(2*PI*110*t)+0.15*sin(2*PI*440*t)+0.12*sin(2*PI*554*t)"
             "+0.1*sin(2*PI*659*t)|0.4*sin(2*PI*82*t)+0.15*sin(2*PI*660*t)+0.1*sin(2*PI*990*t)"
             ":s=44100:d=12",
             "-f",
             "lavfi",
             "-i",
             "anoisesrc=color=pink:amplitude=0.5:d=12:r=44100:seed=1",
             "-filter_complex",
             "[1]volume='0.6*exp(-30*mod(t,0.5))':eval=frame,aformat=channel_layouts=stereo[n];"
             "[0][n]amix=inputs=2:normalize=0",
             "-c:a",
             "pcm_s16le",
             path("music.wav")}));
    QFile garbage(path("garbage.mp3"));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();

    m_noise = MediaTool::decode(path("noise.wav"));
    m_song = MediaTool::decode(path("song.mp3"));
    m_sine = MediaTool::decode(path("sine.wav"));
    QCOMPARE(m_noise.size(), 20 * rate * 2);
    QCOMPARE(m_song.size(), 40 * rate * 2);
}

QString TestEncoder::freshFolder()
{
    const QString folder = path(QStringLiteral("out%1").arg(++m_folders));
    QDir().mkpath(folder);
    return folder;
}

void TestEncoder::decodeKeepsEverySample_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("16-bit WAV comes back unchanged") << "noise.wav";
    QTest::newRow("MP3 decodes like the reference tool") << "song.mp3";
}

void TestEncoder::decodeKeepsEverySample()
{
    QFETCH(QString, input);
    const QString output = freshFolder() + QStringLiteral("/decoded.wav");
    QCOMPARE(MediaTool::run(encoder(), decodeLine(path(input), output)).exitCode, 0);
    QCOMPARE(MediaTool::probe(output, "stream=codec_name,sample_rate,channels"),
             QStringLiteral("pcm_s16le\n44100\n2"));
    const QVector<qint16> reference = MediaTool::decode(path(input));
    const QVector<qint16> out = MediaTool::decode(output);
    QCOMPARE(out.size(), reference.size());
    QCOMPARE(maxDifference(out, reference, 0), 0);
}

void TestEncoder::decodeToStandardOutput_data()
{
    decodeKeepsEverySample_data();
}

// An output of "-" writes the same WAV to the standard output, as it goes: the header cannot
// be rewritten on a pipe, so its sizes say "to the end"; no file is left anywhere.
void TestEncoder::decodeToStandardOutput()
{
    QFETCH(QString, input);
    const QString folder = freshFolder();
    const QString file = folder + QStringLiteral("/decoded.wav");
    QCOMPARE(MediaTool::run(encoder(), decodeLine(path(input), file)).exitCode, 0);
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(encoder(), decodeLine(path(input), QStringLiteral("-")));
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(process.readAllStandardError().contains("time="));
    const QByteArray piped = process.readAllStandardOutput();
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray expected = written.readAll();
    QCOMPARE(piped.size(), expected.size());
    QCOMPARE(piped.mid(44), expected.mid(44));
    QCOMPARE(piped.mid(8, 32), expected.mid(8, 32));
    QCOMPARE(piped.mid(4, 4), QByteArray(4, char(0xff)));
    QCOMPARE(piped.mid(40, 4), QByteArray(4, char(0xff)));
    QCOMPARE(listing(folder), QStringList(QStringLiteral("decoded.wav")));
}

void TestEncoder::clipIsSampleExact_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("length");
    QTest::addColumn<qsizetype>("frames");

    QTest::newRow("WAV, inside") << "noise.wav" << 2.5 << 3.25 << qsizetype(143325);
    QTest::newRow("WAV, at the start") << "noise.wav" << 0.0 << 0.5 << qsizetype(22050);
    QTest::newRow("MP3, far in") << "song.mp3" << 30.125 << 4.0 << qsizetype(176400);
    QTest::newRow("MP3, a third of a second") << "song.mp3" << 12.5 << 1.0 / 3 << qsizetype(14700);
    QTest::newRow("MP3, runs past the end") << "song.mp3" << 38.0 << 5.0 << qsizetype(88200);
}

void TestEncoder::clipIsSampleExact()
{
    QFETCH(QString, input);
    QFETCH(double, start);
    QFETCH(double, length);
    QFETCH(qsizetype, frames);

    const QString output = freshFolder() + QStringLiteral("/clip.wav");
    QCOMPARE(MediaTool::run(encoder(), generateLine(path(input), start, length, 256, 0, output))
                     .exitCode,
             0);
    const QVector<qint16> out = MediaTool::decode(output);
    QCOMPARE(out.size(), frames * 2);
    const QVector<qint16> &reference = input == QLatin1String("song.mp3") ? m_song : m_noise;
    QCOMPARE(maxDifference(out, reference, qsizetype(std::llround(start * rate))), 0);
}

void TestEncoder::ringtoneFile_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("length");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("duration");

    QTest::newRow("27.5 s clip") << 12.5 << 27.5 << "tone.m4a"
                                 << "27.500000";
    QTest::newRow("a third of a second") << 0.0 << 0.333333 << "short.m4a"
                                         << "0.333333";
    QTest::newRow("ringtone extension") << 3.0 << 10.0 << "tone.m4r"
                                        << "10.000000";
}

void TestEncoder::ringtoneFile()
{
    QFETCH(double, start);
    QFETCH(double, length);
    QFETCH(QString, name);
    QFETCH(QString, duration);

    const QString output = freshFolder() + QLatin1Char('/') + name;
    QCOMPARE(
            MediaTool::run(encoder(), generateLine(path("song.mp3"), start, length, 256, 0, output))
                    .exitCode,
            0);
    QCOMPARE(MediaTool::probe(output, "format=duration"), duration);
    QCOMPARE(MediaTool::probe(output, "stream=codec_name,profile,sample_rate,channels"),
             QStringLiteral("aac\nLC\n44100\n2"));
    const QString brand = MediaTool::probe(output, "format_tags=major_brand");
    QCOMPARE(brand, QStringLiteral("M4A"));
    const int bitRate = MediaTool::probe(output, "stream=bit_rate").toInt();
    QVERIFY2(bitRate > 150000 && bitRate < 230000, qPrintable(QString::number(bitRate)));
    // The edit list holds the exact length; decoders that ignore its end still decode only
    // the last frame's padding beyond it.
    const qsizetype frames = qsizetype(std::llround(length * rate));
    QCOMPARE(MediaTool::probe(output, "stream=duration_ts").toLongLong(), qint64(frames));
    const qsizetype decoded = MediaTool::decode(output).size() / 2;
    QVERIFY2(decoded >= frames && decoded < frames + 1024, qPrintable(QString::number(decoded)));
}

void TestEncoder::titleIsTheName_data()
{
    QTest::addColumn<QStringList>("metadata");
    QTest::addColumn<QString>("title");

    QTest::newRow("none: no name tag") << QStringList() << QString();
    QTest::newRow("plain") << QStringList {"-metadata", "title=Evening Bell"} << "Evening Bell";
    QTest::newRow("an equals sign and other scripts")
            << QStringList {"-metadata", QString::fromUtf8("title=a=b Grüße 日本")}
            << QString::fromUtf8("a=b Grüße 日本");
}

// The ringtone carries the iTunes-style name box (©nam) that players and the phone show.
void TestEncoder::titleIsTheName()
{
    QFETCH(QStringList, metadata);
    QFETCH(QString, title);

    const QString output = freshFolder() + QStringLiteral("/tone.m4r");
    QStringList line = generateLine(path("sine.wav"), 0.5, 2.0, 256, 0, output);
    line = line.mid(0, 7) + metadata + line.mid(7);
    QCOMPARE(MediaTool::run(encoder(), line).exitCode, 0);
    QCOMPARE(MediaTool::probe(output, "format_tags=title"), title);
    QFile file(output);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().contains("\xA9nam"), !title.isEmpty());
    QCOMPARE(MediaTool::probe(output, "stream=duration_ts").toLongLong(), qint64(2 * rate));
}

void TestEncoder::volumeAndFadeIn_data()
{
    QTest::addColumn<int>("volume");
    QTest::addColumn<int>("fadeIn");
    QTest::addColumn<QString>("name");

    QTest::newRow("unchanged") << 256 << 0 << "out.wav";
    QTest::newRow("half") << 128 << 0 << "out.wav";
    QTest::newRow("silence") << 0 << 0 << "out.wav";
    QTest::newRow("fade-in 2 s") << 256 << 2 << "out.wav";
    QTest::newRow("louder, with fade-in") << 400 << 1 << "out.wav";
    QTest::newRow("ringtone, fade-in 2 s") << 256 << 2 << "out.m4a";
    QTest::newRow("ringtone, half") << 128 << 0 << "out.m4a";
}

void TestEncoder::volumeAndFadeIn()
{
    QFETCH(int, volume);
    QFETCH(int, fadeIn);
    QFETCH(QString, name);

    const double start = 1.0;
    const QString output = freshFolder() + QLatin1Char('/') + name;
    const QStringList line = generateLine(path("sine.wav"), start, 4.0, volume, fadeIn, output);
    QCOMPARE(MediaTool::run(encoder(), line).exitCode, 0);
    QVector<qint16> out = MediaTool::decode(output);
    QVERIFY(out.size() >= 4 * rate * 2);
    if (name.endsWith(QLatin1String(".wav")))
        QCOMPARE(out.size(), 4 * rate * 2);
    out.resize(4 * rate * 2);
    QVector<qint16> expected(out.size());
    const qsizetype first = qsizetype(start * rate) * 2;
    for (qsizetype i = 0; i < out.size(); ++i)
        expected[i] = qint16(std::lround(shaped(m_sine[first + i], i, volume, fadeIn)));
    if (name.endsWith(QLatin1String(".wav"))) {
        QVERIFY(maxDifference(out, expected, 0) <= 1);
        return;
    }
    // AAC is lossy: compare the level of every tenth of a second instead of samples.
    const qsizetype window = rate / 10 * 2;
    for (qsizetype from = 0; from + window <= out.size(); from += window) {
        const double want = rms(expected, from, window);
        const double got = rms(out, from, window);
        QVERIFY2(std::abs(got - want) <= 0.03 * want + 60,
                 qPrintable(QStringLiteral("at %1: %2 vs %3").arg(from).arg(got).arg(want)));
    }
}

void TestEncoder::limiterKeepsUnderTheCeiling_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("volume");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("scale"); // 0: the limiter works; else every sample is input x scale

    QTest::newRow("quiet noise, unchanged: bit-exact")
            << "quiet-noise.wav" << 256 << "out.wav" << 1.0;
    QTest::newRow("-20 dBFS tone, -vol 512: exactly twice")
            << "quiet-tone.wav" << 512 << "out.wav" << 2.0;
    QTest::newRow("full-scale tone, unchanged") << "loud-tone.wav" << 256 << "out.wav" << 0.0;
    QTest::newRow("full-scale tone, -vol 1280") << "loud-tone.wav" << 1280 << "out.wav" << 0.0;
    QTest::newRow("full-scale noise, -vol 1280") << "loud-noise.wav" << 1280 << "out.wav" << 0.0;
    QTest::newRow("music, -vol 1280") << "music.wav" << 1280 << "out.wav" << 0.0;
    QTest::newRow("music, -vol 1280, ringtone") << "music.wav" << 1280 << "out.m4a" << 0.0;
    QTest::newRow("music, -vol 512, ringtone") << "music.wav" << 512 << "out.m4a" << 0.0;
    // AAC's own overshoot passes full scale on these; the ringtone is made again with less.
    QTest::newRow("full-scale noise, unchanged, ringtone")
            << "loud-noise.wav" << 256 << "out.m4a" << 0.0;
    QTest::newRow("full-scale noise, -vol 1280, ringtone")
            << "loud-noise.wav" << 1280 << "out.m4a" << 0.0;
    QTest::newRow("full-scale tone, -vol 1280, ringtone")
            << "loud-tone.wav" << 1280 << "out.m4a" << 0.0;
    QTest::newRow("music, unchanged, ringtone") << "music.wav" << 256 << "out.m4r" << 0.0;
    QTest::newRow("quiet noise, -vol 1280, ringtone")
            << "quiet-noise.wav" << 1280 << "out.m4r" << 0.0;
    QTest::newRow("noise bursts, unchanged, ringtone")
            << "gated-noise.wav" << 256 << "out.m4r" << 0.0;
    QTest::newRow("noise bursts, -vol 1280, ringtone")
            << "gated-noise.wav" << 1280 << "out.m4r" << 0.0;
    QTest::newRow("noise bursts, -vol 1280") << "gated-noise.wav" << 1280 << "out.wav" << 0.0;
    // No -vol (-1 here): a ringtone still keeps under the ceiling; a WAV is the decoded sound.
    QTest::newRow("full-scale square, no -vol, ringtone")
            << "loud-square.wav" << -1 << "out.m4r" << 0.0;
    QTest::newRow("full-scale noise, no -vol, ringtone")
            << "loud-noise.wav" << -1 << "out.m4a" << 0.0;
    QTest::newRow("full-scale square, no -vol: bit-exact")
            << "loud-square.wav" << -1 << "out.wav" << 1.0;
}

// Where the gained signal stays under -1 dBFS nothing changes; elsewhere the decoded output's
// true peak stays at or under -1 dBTP, with no clipped sample: for a ringtone too, where AAC adds
// overshoot of its own.
void TestEncoder::limiterKeepsUnderTheCeiling()
{
    QFETCH(QString, input);
    QFETCH(int, volume);
    QFETCH(QString, name);
    QFETCH(double, scale);

    const double start = 1.5;
    const QString output = freshFolder() + QLatin1Char('/') + name;
    const QStringList line = volume < 0 ? lineWithoutVolume(path(input), start, 10, output)
                                        : generateLine(path(input), start, 10, volume, 0, output);
    QCOMPARE(MediaTool::run(encoder(), line).exitCode, 0);
    const QVector<qint16> out = MediaTool::decode(output);
    if (scale > 0) {
        const QVector<qint16> source = MediaTool::decode(path(input));
        QCOMPARE(out.size(), source.size() - qsizetype(start * rate) * 2);
        QVector<qint16> expected(out.size());
        for (qsizetype i = 0; i < out.size(); ++i)
            expected[i] = qint16(source[qsizetype(start * rate) * 2 + i] * scale);
        QVERIFY(maxDifference(out, expected, 0) <= (scale == 1.0 ? 0 : 1));
        return;
    }
    // The ringtone as a phone decodes it, AAC's own overshoot included.
    const double peak = MediaTool::truePeak(output);
    QVERIFY2(peak <= -1.0, qPrintable(QString::number(peak)));
    const auto clipped = std::count_if(
            out.begin(), out.end(), [](qint16 v) { return v == 32767 || v == -32768; });
    QCOMPARE(clipped, 0);
}

void TestEncoder::fadeOut_data()
{
    QTest::addColumn<double>("length"); // asked for with -t
    QTest::addColumn<int>("fadeIn");
    QTest::addColumn<QString>("fadeOut");
    QTest::addColumn<qsizetype>("frames"); // of the output

    QTest::newRow("1 s at the end of 4 s") << 4.0 << 0 << "1" << qsizetype(4 * rate);
    QTest::newRow("with a fade-in") << 4.0 << 1 << "2.5" << qsizetype(4 * rate);
    QTest::newRow("fades overlap") << 2.0 << 2 << "2" << qsizetype(2 * rate);
    QTest::newRow("longer than the clip") << 1.0 << 0 << "3" << qsizetype(rate);
    // The clip runs past the end of the input: the fade ends where the output does.
    QTest::newRow("clip past the end") << 9.0 << 0 << "1.5" << qsizetype(5 * rate);
    QTest::newRow("zero: no fade") << 4.0 << 0 << "0" << qsizetype(4 * rate);
}

// The fade-out is the fade-in played backwards, laid on after the limiter: its last frame is
// silent, and a frame d frames before the end has d / (fade-out frames) of its level.
void TestEncoder::fadeOut()
{
    QFETCH(double, length);
    QFETCH(int, fadeIn);
    QFETCH(QString, fadeOut);
    QFETCH(qsizetype, frames);

    const double start = 1.0;
    const int volume = 300;
    const QString output = freshFolder() + QStringLiteral("/out.wav");
    QStringList line = generateLine(path("sine.wav"), start, length, volume, fadeIn, output);
    line.insert(line.indexOf(QStringLiteral("-vn")), QStringLiteral("-fadeout"));
    line.insert(line.indexOf(QStringLiteral("-vn")), fadeOut);
    QCOMPARE(MediaTool::run(encoder(), line).exitCode, 0);
    const QVector<qint16> out = MediaTool::decode(output);
    QCOMPARE(out.size(), frames * 2);
    const double fadeFrames = std::round(fadeOut.toDouble() * rate);
    const qsizetype first = qsizetype(start * rate) * 2;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const double left = double(frames - 1 - i / 2);
        const double level = fadeFrames > 0 && left < fadeFrames ? left / fadeFrames : 1.0;
        const double want = shaped(m_sine[first + i], i, volume, fadeIn) * level;
        QVERIFY2(std::abs(out[i] - want) <= 1.0,
                 qPrintable(
                         QStringLiteral("frame %1: %2, not %3").arg(i / 2).arg(out[i]).arg(want)));
    }
    if (fadeFrames > 0)
        QCOMPARE(out.mid(out.size() - 2), (QVector<qint16> {0, 0}));
}

void TestEncoder::monoIsUpmixedAtFullLevel()
{
    const QString output = freshFolder() + QStringLiteral("/mono.wav");
    QCOMPARE(MediaTool::run(encoder(), decodeLine(path("mono.wav"), output)).exitCode, 0);
    QCOMPARE(MediaTool::probe(output, "stream=sample_rate,channels"), QStringLiteral("44100\n2"));
    const QVector<qint16> out = MediaTool::decode(output);
    QCOMPARE(out.size(), 3 * rate * 2);
    int peak = 0;
    for (qsizetype i = 0; i < out.size(); i += 2) {
        QCOMPARE(out[i], out[i + 1]);
        peak = std::max(peak, std::abs(int(out[i])));
    }
    QVERIFY2(std::abs(peak - 16384) < 300, qPrintable(QString::number(peak)));
}

void TestEncoder::videoInputGivesItsAudio()
{
    const QString output = freshFolder() + QStringLiteral("/from video.m4a");
    QCOMPARE(MediaTool::run(encoder(), generateLine(path("video.mkv"), 0.5, 2.0, 256, 0, output))
                     .exitCode,
             0);
    QCOMPARE(MediaTool::probe(output, "format=duration"), QStringLiteral("2.000000"));
    QCOMPARE(MediaTool::probe(output, "format=nb_streams"), QStringLiteral("1"));
    const QVector<qint16> out = MediaTool::decode(output);
    QVERIFY(rms(out, 0, out.size()) > 1000);
}

void TestEncoder::unusualPathsWork()
{
    const QString folder = path(QStringLiteral("ä b: ç"));
    QVERIFY(QDir().mkpath(folder));
    const QString input = folder + QStringLiteral("/tön é.wav");
    QVERIFY(QFile::copy(path("sine.wav"), input));
    const QString ringtone = folder + QStringLiteral("/out ü:1.m4a");
    QCOMPARE(MediaTool::run(encoder(), generateLine(input, 1, 2, 256, 1, ringtone)).exitCode, 0);
    QCOMPARE(MediaTool::probe(ringtone, "format=duration"), QStringLiteral("2.000000"));
    const QString wav = folder + QStringLiteral("/dé code.wav");
    QCOMPARE(MediaTool::run(encoder(), decodeLine(input, wav)).exitCode, 0);
    QCOMPARE(MediaTool::decode(wav), m_sine);
    QCOMPARE(listing(folder).size(), 3);
}

void TestEncoder::progressInSeconds()
{
    const QString output = freshFolder() + QStringLiteral("/tone.m4a");
    const MediaTool::Run run
            = MediaTool::run(encoder(), generateLine(path("song.mp3"), 5, 27.5, 256, 3, output));
    QCOMPARE(run.exitCode, 0);
    const QString text = QString::fromLatin1(run.errorOutput);
    const QRegularExpression status(QStringLiteral(
            R"(size= *\d+kB time=(\d+\.\d\d) bitrate= *[\d.]+kbits/s speed=[\d.e+]+x)"));
    const QStringList lines
            = text.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    for (const QString &line : lines)
        QVERIFY2(status.match(line).hasMatch(), qPrintable(line));
    QCOMPARE(status.match(lines.last()).captured(1), QStringLiteral("27.50"));
    QVERIFY(text.endsWith(QLatin1Char('\n')));
}

void TestEncoder::failures_data()
{
    QTest::addColumn<QStringList>("arguments"); // %in: fixtures folder, %out: output folder
    QTest::addColumn<int>("exitCode");

    const QStringList tail = {"-vn", "-ab", "192K", "-ac", "2", "-ar", "44100"};
    QTest::newRow("missing input")
            << (QStringList {"-y", "-i", "%in/none.mp3"} + tail + QStringList {"%out/x.wav"}) << 1;
    QTest::newRow("unreadable input")
            << (QStringList {"-y", "-i", "%in/garbage.mp3"} + tail + QStringList {"%out/x.wav"})
            << 1;
    QTest::newRow("no audio stream")
            << (QStringList {"-y", "-i", "%in/noaudio.mkv"} + tail + QStringList {"%out/x.m4a"})
            << 1;
    QTest::newRow("output folder missing")
            << (QStringList {"-y", "-i", "%in/sine.wav"} + tail + QStringList {"%out/no/x.m4a"})
            << 1;
    QTest::newRow("output exists, no -y")
            << (QStringList {"-i", "%in/sine.wav"} + tail + QStringList {"%out/old.wav"}) << 1;
    QTest::newRow("unknown option")
            << QStringList {"-y", "-i", "%in/sine.wav", "-af", "volume=2", "%out/x.wav"} << 2;
    QTest::newRow("start after the input")
            << QStringList {"-y", "-i", "%in/sine.wav", "-ss", "1", "%out/x.wav"} << 2;
    QTest::newRow("not a number")
            << QStringList {"-ss", "1,5", "-y", "-i", "%in/sine.wav", "%out/x.wav"} << 2;
    QTest::newRow("negative length")
            << QStringList {"-t", "-2", "-y", "-i", "%in/sine.wav", "%out/x.wav"} << 2;
    QTest::newRow("unsupported output type")
            << QStringList {"-y", "-i", "%in/sine.wav", "%out/x.mp3"} << 2;
    QTest::newRow("no output") << QStringList {"-y", "-i", "%in/sine.wav"} << 2;
    QTest::newRow("no input") << QStringList {"-y", "%out/x.wav"} << 2;
    QTest::newRow("audio that decodes to nothing")
            << (QStringList {"-y", "-i", "%in/zeroed.m4a"} + tail + QStringList {"%out/x.wav"})
            << 1;
    QTest::newRow("ringtone of audio that decodes to nothing")
            << (QStringList {"-ss", "1", "-t", "2", "-y", "-i", "%in/zeroed.m4a"} + tail
                + QStringList {"%out/x.m4a"})
            << 1;
    QTest::newRow("a length shorter than one sample")
            << (QStringList {"-ss", "1", "-t", "1e-9", "-y", "-i", "%in/sine.wav"} + tail
                + QStringList {"%out/x.m4r"})
            << 1;
    QTest::newRow("a length of zero")
            << (QStringList {"-ss", "1", "-t", "0", "-y", "-i", "%in/sine.wav"} + tail
                + QStringList {"%out/x.wav"})
            << 1;
    QTest::newRow("metadata other than the title")
            << QStringList {"-y", "-i", "%in/sine.wav", "-metadata", "artist=x", "%out/x.m4a"} << 2;
    QTest::newRow("metadata without a value")
            << QStringList {"-y", "-i", "%in/sine.wav", "-metadata", "%out/x.m4a"} << 2;
    QTest::newRow("fade-out beyond a minute")
            << QStringList {"-y", "-i", "%in/sine.wav", "-fadeout", "61", "%out/x.wav"} << 2;
    QTest::newRow("fade-in beyond a minute")
            << QStringList {"-y", "-i", "%in/sine.wav", "-fadein", "60.5", "%out/x.wav"} << 2;
    // Times are decimal: the program never writes another form.
    QTest::newRow("hexadecimal start")
            << QStringList {"-ss", "0x10", "-y", "-i", "%in/sine.wav", "%out/x.wav"} << 2;
    QTest::newRow("infinite length")
            << QStringList {"-t", "inf", "-y", "-i", "%in/sine.wav", "%out/x.wav"} << 2;
    QTest::newRow("start not a number")
            << QStringList {"-ss", "nan", "-y", "-i", "%in/sine.wav", "%out/x.wav"} << 2;
    QTest::newRow("a space before a time")
            << QStringList {"-ss", " 1", "-y", "-i", "%in/sine.wav", "%out/x.wav"} << 2;
    QTest::newRow("an exponent without digits")
            << QStringList {"-t", "1e", "-y", "-i", "%in/sine.wav", "%out/x.wav"} << 2;
    // A name can't end the error line, nor fake one of its own.
    QTest::newRow("a newline in the output's folder")
            << (QStringList {"-y", "-i", "%in/sine.wav"} + tail
                + QStringList {"%out/no\nError: all is well/x.m4a"})
            << 1;
    QTest::newRow("control characters in the input's name")
            << (QStringList {"-y", "-i", "%in/none\r\n\t\x1b.mp3"} + tail
                + QStringList {"%out/x.wav"})
            << 1;
    QTest::newRow("clip where the video has no audio")
            << (QStringList {"-ss", "4", "-t", "1", "-y", "-i", "%in/shortaudio.mkv"} + tail
                + QStringList {"%out/x.m4a"})
            << 1;
}

void TestEncoder::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);

    const QString folder = freshFolder();
    QFile old(folder + QStringLiteral("/old.wav"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("keep me");
    old.close();
    for (QString &argument : arguments)
        argument.replace(QLatin1String("%in"), m_dir.path()).replace(QLatin1String("%out"), folder);

    const MediaTool::Run run = MediaTool::run(encoder(), arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.errorOutput.startsWith("Error: "), run.errorOutput.constData());
    QCOMPARE(run.errorOutput.count('\n'), 1);
    QVERIFY(run.errorOutput.endsWith('\n'));
    QCOMPARE(listing(folder), QStringList {"old.wav"});
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("keep me"));
}

void TestEncoder::decimalTimesAreTaken_data()
{
    QTest::addColumn<QStringList>("arguments"); // %in: the 6 s input; the output follows
    QTest::addColumn<QString>("duration");

    QTest::newRow("exponent form, as the program formats large values")
            << QStringList {"-ss", "1e+00", "-t", "1e+06", "-y", "-i", "%in"} << "5.000000";
    QTest::newRow("fraction without a leading digit")
            << QStringList {"-ss", ".5", "-t", "2.", "-y", "-i", "%in"} << "2.000000";
    QTest::newRow("fade-in of a minute")
            << QStringList {"-y", "-i", "%in", "-fadein", "60"} << "6.000000";
}

void TestEncoder::decimalTimesAreTaken()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, duration);
    const QString output = freshFolder() + QStringLiteral("/x.wav");
    arguments.replaceInStrings(QStringLiteral("%in"), path("sine.wav"));
    const MediaTool::Run run = MediaTool::run(encoder(), arguments << output);
    QVERIFY2(run.exitCode == 0, run.errorOutput.constData());
    QCOMPARE(MediaTool::probe(output, "format=duration"), duration);
}

// A run on its own removes what killed runs left in its folder, never a running one's file.
void TestEncoder::leftoversOfGoneEncodersAreSwept()
{
    QProcess gone;
    gone.start(QStringLiteral("true"));
    QVERIFY(gone.waitForStarted());
    const qint64 goneId = gone.processId();
    QVERIFY(gone.waitForFinished());
    const QString folder = freshFolder();
    const auto name = [](qint64 pid, const char *tail) {
        return QStringLiteral(".encoding-%1-%2").arg(pid, 10, 10, QLatin1Char('0')).arg(tail);
    };
    const QString dead = name(goneId, "a1B2c3");
    const QStringList kept = {name(QCoreApplication::applicationPid(), "x1Y2z3"),
                              name(goneId, "short"),
                              ".encoding-other"};
    // A named list: a temporary's operator<< would leave the loop a dangling reference.
    const QStringList made = QStringList(kept) << dead;
    for (const QString &file : made) {
        QFile leftover(folder + QLatin1Char('/') + file);
        QVERIFY(leftover.open(QIODevice::WriteOnly));
    }
    const QString output = folder + QStringLiteral("/tone.m4a");
    QCOMPARE(MediaTool::run(encoder(), generateLine(path("sine.wav"), 0, 1, 256, 0, output))
                     .exitCode,
             0);
    QStringList expected = kept;
    expected << QStringLiteral("tone.m4a");
    expected.sort();
    QCOMPARE(listing(folder), expected);
}

void TestEncoder::overwritesOnlyWithY()
{
    const QString folder = freshFolder();
    const QString output = folder + QStringLiteral("/tone.m4a");
    QFile old(output);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old content");
    old.close();
    QCOMPARE(MediaTool::run(encoder(), generateLine(path("sine.wav"), 0, 1, 256, 0, output))
                     .exitCode,
             0);
    QCOMPARE(MediaTool::probe(output, "format=duration"), QStringLiteral("1.000000"));
    QCOMPARE(listing(folder), QStringList {"tone.m4a"});
}

// Read errors and a file-size limit end the run as failures, never as a shorter file.
void TestEncoder::outputFailsCleanly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<int>("fileSizeLimit");

    const QStringList none;
    QTest::newRow("read error in a WAV")
            << decodeLine(path("noise.wav"), "x.wav")
            << QStringList {ioFault(), "VARDEL_FAIL_READ_AFTER=1000000"} << 0;
    QTest::newRow("read error in an MP3")
            << generateLine(path("song.mp3"), 0, 30, 256, 0, "x.m4a")
            << QStringList {ioFault(), "VARDEL_FAIL_READ_AFTER=300000"} << 0;
    QTest::newRow("file-size limit, WAV")
            << decodeLine(path("noise.wav"), "x.wav") << none << 100000;
    QTest::newRow("file-size limit, ringtone")
            << generateLine(path("song.mp3"), 0, 30, 256, 0, "x.m4a") << none << 100000;
}

void TestEncoder::outputFailsCleanly()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(int, fileSizeLimit);

    const QString folder = freshFolder();
    arguments.last() = folder + QLatin1Char('/') + arguments.last();
    const MediaTool::Run run = runEncoder(
            arguments, environment, fileSizeLimit > 0 ? rlim_t(fileSizeLimit) : RLIM_INFINITY);
    QCOMPARE(run.exitCode, 1);
    const QByteArray lastLine = run.errorOutput.trimmed().split('\n').last().split('\r').last();
    QVERIFY2(lastLine.startsWith("Error: "), run.errorOutput.constData());
    QCOMPARE(listing(folder), QStringList());
}

// The decoded WAV goes out in large blocks: small ones cost the load most of its time in
// the kernel.
void TestEncoder::writesInLargeBlocks()
{
    const QString output = freshFolder() + QStringLiteral("/decoded.wav");
    const QString count = path(QStringLiteral("writes.txt"));
    const MediaTool::Run run
            = runEncoder(decodeLine(path("noise.wav"), output),
                         {ioFault(), QStringLiteral("VARDEL_COUNT_WRITES=") + count});
    QCOMPARE(run.exitCode, 0);
    QFile counted(count);
    QVERIFY(counted.open(QIODevice::ReadOnly));
    const qint64 writes = counted.readAll().trimmed().toLongLong();
    const qint64 bytes = QFileInfo(output).size();
    QVERIFY(writes > 0);
    QVERIFY2(bytes / writes >= 64 * 1024,
             qPrintable(QStringLiteral("%1 writes for %2 bytes").arg(writes).arg(bytes)));
}

void TestEncoder::longestNamesWork_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("255 bytes, WAV") << QString(251, QLatin1Char('w')) + QStringLiteral(".wav");
    QTest::newRow("248 bytes, ringtone") << QString(244, QLatin1Char('r')) + QStringLiteral(".m4a");
    QTest::newRow("255 bytes of two-byte letters")
            << QString(125, QChar(0xe9)) + QStringLiteral("x.m4a");
}

void TestEncoder::longestNamesWork()
{
    QFETCH(QString, name);
    const QString folder = freshFolder();
    const QString output = folder + QLatin1Char('/') + name;
    QCOMPARE(MediaTool::run(encoder(), generateLine(path("sine.wav"), 1, 2, 256, 0, output))
                     .exitCode,
             0);
    QCOMPARE(listing(folder), QStringList {name});
    QCOMPARE(MediaTool::probe(output, "format=duration"), QStringLiteral("2.000000"));
}

void TestEncoder::stopsWhenItsParentDies_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("decode to WAV") << "sine.wav"
                                   << "decoded.wav";
    QTest::newRow("ringtone") << "song.mp3"
                              << "tone.m4a";
}

// The input is a pipe that the test feeds and then holds open, so the encoder waits for more
// with its unfinished output on disk when the shell that started it is killed.
void TestEncoder::stopsWhenItsParentDies()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    std::signal(SIGPIPE, SIG_IGN);
    const QString pipe = freshFolder() + QStringLiteral("/input");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString folder = freshFolder();
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"),
                QStringList {"-c", "\"$0\" \"$@\" & echo $!; wait", encoder()}
                        + generateLine(pipe, 0, 30, 256, 0, folder + QLatin1Char('/') + output));
    const pid_t shellPid = pid_t(shell.processId());
    QVERIFY(shellPid > 1);
    QVERIFY(shell.waitForReadyRead(10000));
    const qint64 pid = shell.readAllStandardOutput().trimmed().toLongLong();
    QVERIFY(pid > 1);
    int fd = -1;
    const auto cleanUp = qScopeGuard([&] {
        ::kill(pid_t(pid), SIGKILL);
        if (fd >= 0)
            ::close(fd);
    });
    QTRY_VERIFY((fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK)) >= 0);
    fcntl(fd, F_SETFL, 0);
    QFile source(path(input));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray half = source.readAll().first(source.size() / 2);
    QCOMPARE(::write(fd, half.constData(), size_t(half.size())), ssize_t(half.size()));
    QTRY_COMPARE_WITH_TIMEOUT(listing(folder).size(), 1, 10000);

    ::kill(shellPid, SIGKILL);
    shell.waitForFinished();
    QTRY_VERIFY_WITH_TIMEOUT(!isRunning(pid), 5000);
    QCOMPARE(listing(folder), QStringList());
}

// The program names itself in VARDEL_PARENT_PID; an encoder whose parent is already another
// process (the program died while the encoder was still loading) ends at once, writing nothing.
void TestEncoder::checksItsParentAtStart_data()
{
    QTest::addColumn<QString>("parent"); // "self": this test, which starts the encoder
    QTest::addColumn<int>("exitCode");

    QTest::newRow("run by hand, no variable") << QString() << 0;
    QTest::newRow("started by the program named") << "self" << 0;
    QTest::newRow("the program named is gone") << "1" << 1;
    QTest::newRow("a number that is no process") << "4194399" << 1;
}

void TestEncoder::checksItsParentAtStart()
{
    QFETCH(QString, parent);
    QFETCH(int, exitCode);
    const QString folder = freshFolder();
    QStringList environment;
    if (parent == QLatin1String("self"))
        environment
                << QStringLiteral("VARDEL_PARENT_PID=%1").arg(QCoreApplication::applicationPid());
    else if (!parent.isEmpty())
        environment << QStringLiteral("VARDEL_PARENT_PID=") + parent;
    const MediaTool::Run run = runEncoder(
            generateLine(path("sine.wav"), 0, 1, 256, 0, folder + QStringLiteral("/tone.m4r")),
            environment);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(listing(folder), exitCode == 0 ? QStringList {"tone.m4r"} : QStringList());
}

void TestEncoder::signalsLeaveNoOutput_data()
{
    QTest::addColumn<int>("signal");
    for (const auto &[name, number] : {std::pair("SIGTERM", SIGTERM),
                                       std::pair("SIGINT", SIGINT),
                                       std::pair("SIGHUP", SIGHUP),
                                       std::pair("SIGUSR1", SIGUSR1),
                                       std::pair("SIGUSR2", SIGUSR2),
                                       std::pair("SIGALRM", SIGALRM),
                                       std::pair("SIGXCPU", SIGXCPU),
                                       std::pair("SIGVTALRM", SIGVTALRM),
                                       std::pair("SIGPROF", SIGPROF)})
        QTest::newRow(name) << number;
}

// Whatever signal ends a run, its unfinished output goes with it; the input is a pipe held open,
// so the run waits with its output on disk when the signal comes.
void TestEncoder::signalsLeaveNoOutput()
{
    QFETCH(int, signal);
    std::signal(SIGPIPE, SIG_IGN);
    const QString pipe = freshFolder() + QStringLiteral("/input");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString folder = freshFolder();
    QProcess run;
    run.start(encoder(), generateLine(pipe, 0, 30, 256, 0, folder + QStringLiteral("/tone.m4a")));
    QVERIFY(run.waitForStarted());
    int fd = -1;
    const auto cleanUp = qScopeGuard([&] {
        run.kill();
        run.waitForFinished();
        if (fd >= 0)
            ::close(fd);
    });
    QTRY_VERIFY((fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK)) >= 0);
    fcntl(fd, F_SETFL, 0);
    QFile source(path("song.mp3"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray half = source.readAll().first(source.size() / 2);
    QCOMPARE(::write(fd, half.constData(), size_t(half.size())), ssize_t(half.size()));
    QTRY_COMPARE_WITH_TIMEOUT(listing(folder).size(), 1, 10000);
    QVERIFY(listing(folder).constFirst().startsWith(
            QStringLiteral(".encoding-%1-").arg(run.processId(), 10, 10, QLatin1Char('0'))));

    ::kill(pid_t(run.processId()), signal);
    QVERIFY(run.waitForFinished(10000));
    QCOMPARE(listing(folder), QStringList());
}

QTEST_GUILESS_MAIN(TestEncoder)
#include "tst_encoder.moc"
