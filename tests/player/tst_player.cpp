#include "mediatool.h"
#include "sonvix.h"
#include "support.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <thread>

namespace {

constexpr int Rate = 44100;
// Both fixtures stay under the limiter's ceiling, true peaks included, so that at factor 1 every
// sample is heard as it is.
constexpr int Level = 24000;
// Every frame of the counter fixture names its own index, so the capture shows exactly which
// part of the file was heard, in which order, without gaps or repeats.
constexpr int CounterBase = 20000;
constexpr int CounterFrames = 3 * Rate / 2;
constexpr int LevelFrames = Rate * 6 / 10;
// The device buffer the test build asks the player for: short, so that waiting on the device
// to move on costs little.
constexpr int DeviceFrames = 256;
// Enough sound to show that playback is under way before the next call.
constexpr size_t SomeSound = Rate / 10;

int64_t counterIndex(const Frame &frame)
{
    return int64_t(frame.right - 1) * CounterBase + (frame.left - 1);
}

std::vector<int64_t> indices(const std::vector<Frame> &frames)
{
    std::vector<int64_t> result;
    for (const Frame &frame : frames)
        result.push_back(counterIndex(frame));
    return result;
}

// Splits the heard indices into runs of consecutive frames.
std::vector<std::pair<int64_t, int64_t>> runs(const std::vector<int64_t> &heard)
{
    std::vector<std::pair<int64_t, int64_t>> result;
    for (size_t i = 0; i < heard.size(); ++i) {
        if (i == 0 || heard[i] != heard[i - 1] + 1)
            result.push_back({heard[i], heard[i]});
        else
            result.back().second = heard[i];
    }
    return result;
}

QByteArray native(const QString &path)
{
    return QDir::toNativeSeparators(path).toUtf8();
}

} // namespace

class TestPlayer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void badArgumentsAreRefused_data();
    void badArgumentsAreRefused();
    void statesAndContinuity();
    void seekLandsOnTheFrame_data();
    void seekLandsOnTheFrame();
    void volumeScalesAndLimits_data();
    void volumeScalesAndLimits();
    void soundsAsTheEncoderWrites_data();
    void soundsAsTheEncoderWrites();
    void clipSoundsAsTheEncoderWrites_data();
    void clipSoundsAsTheEncoderWrites();
    void volumeChangesWhilePlaying();
    void fadeInRamps_data();
    void fadeInRamps();
    void playsAnyMedia_data();
    void playsAnyMedia();
    void refusedFileUnloadsTheLast_data();
    void refusedFileUnloadsTheLast();
    void clearedCallbackIsNeverEntered();
    void idleDeviceWritesNothing_data();
    void idleDeviceWritesNothing();

private:
    void checkCallsFailWithoutDevice();
    void makeFixtures();
    void makeEncodedClips();
    QString makeMedia(const QString &fileName, const QStringList &arguments);
    void playToEnd();
    void checkRamp(const std::vector<Frame> &sound, size_t from, double seconds);
    void settle();

    QTemporaryDir dir;
    QString counterPath;
    QString levelPath;
    QString shortLevelPath;
    QString songPath;
    Capture *capture = nullptr;
    StateLog log;
};

void TestPlayer::initTestCase()
{
    QVERIFY(dir.isValid());
    makeFixtures();
    checkCallsFailWithoutDevice();
    // SDL's disk driver writes every frame it is handed, in real time, to the capture.
    const QString capturePath = dir.filePath(QStringLiteral("capture.raw"));
    capture = new Capture(capturePath);
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", native(capturePath));
    qputenv("SONVIX_TEST_DEVICE_FRAMES", QByteArray::number(DeviceFrames));
    QCOMPARE(sonvix_init(), 0);
    QCOMPARE(sonvix_init(), 0);
    QCOMPARE(sonvix_set_callback(&StateLog::callback, &log), 0);
    QCOMPARE(sonvix_play(), SONVIX_E_NO_FILE);
    const QByteArray missing = native(dir.filePath(QStringLiteral("missing.wav")));
    QCOMPARE(sonvix_open(missing.constData(), 0, 0), SONVIX_E_CANNOT_OPEN);
}

// The log dies with the test object; the player lives on until the process ends.
void TestPlayer::cleanupTestCase()
{
    sonvix_stop();
    sonvix_set_callback(nullptr, nullptr);
    delete capture;
}

void TestPlayer::checkCallsFailWithoutDevice()
{
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    // The code of its own lets the program tell "no sound output" from "cannot play this".
    QCOMPARE(sonvix_init(), SONVIX_E_NO_DEVICE);
    QVERIFY(sonvix_set_callback(&StateLog::callback, &log) < 0);
    QCOMPARE(sonvix_open(native(counterPath).constData(), 0, 0), SONVIX_E_NO_DEVICE);
    QCOMPARE(sonvix_play(), SONVIX_E_NO_DEVICE);
    QCOMPARE(sonvix_pause(), SONVIX_E_NO_DEVICE);
    QVERIFY(sonvix_stop() < 0);
    QVERIFY(sonvix_seek(1.0) < 0);
    QVERIFY(sonvix_get_position() < 0);
    QVERIFY(sonvix_set_volume(1.0) < 0);
    QVERIFY(sonvix_fadein(1.0) < 0);
}

void TestPlayer::makeFixtures()
{
    std::vector<int16_t> counter;
    for (int n = 0; n < CounterFrames; ++n) {
        counter.push_back(int16_t(n % CounterBase + 1));
        counter.push_back(int16_t(n / CounterBase + 1));
    }
    counterPath = dir.filePath(QStringLiteral("counter.wav"));
    writeWav(counterPath, Rate, 2, counter);

    std::vector<int16_t> level;
    for (int n = 0; n < LevelFrames; ++n) {
        level.push_back(Level);
        level.push_back(-Level);
    }
    levelPath = dir.filePath(QStringLiteral("level.wav"));
    writeWav(levelPath, Rate, 2, level);
    level.resize(size_t(Rate) * 2 * 3 / 10);
    shortLevelPath = dir.filePath(QStringLiteral("short.wav"));
    writeWav(shortLevelPath, Rate, 2, level);

    // Made before the player's threads exist: forking a threaded process upsets sanitizers.
    const QStringList tone {"-f", "lavfi", "-i", "sine=frequency=440:duration=0.5"};
    makeMedia(QStringLiteral("clip.mp4"),
              QStringList {"-f", "lavfi", "-i", "testsrc=size=64x48:rate=10:duration=0.5"} + tone
                      + QStringList {"-shortest"});
    makeMedia(QStringLiteral("tone.mp3"), tone);
    makeMedia(QString::fromUtf8("Klingelton für dich.wav"),
              tone + QStringList {"-ac", "1", "-ar", "22050"});
    makeEncodedClips();
}

constexpr double ClipStart = 0.5;
const int EncoderVolumes[] = {256, 640, 1280};

QString encodedPath(const QTemporaryDir &dir, int volume)
{
    return dir.filePath(QStringLiteral("encoded%1.wav").arg(volume));
}

// Clips that end before the file does, with fades: volume, fade-in, fade-out.
constexpr double ClipLength = 0.5;
struct Shaped
{
    int volume;
    double fadeIn;
    double fadeOut;
};
const Shaped ShapedClips[] = {{640, 0.1, 0.2}, {256, 0, 0.25}, {1280, 0.05, 0.1}};

QString shapedPath(const QTemporaryDir &dir, const Shaped &clip)
{
    return dir.filePath(QStringLiteral("shaped%1-%2-%3.wav")
                                .arg(clip.volume)
                                .arg(clip.fadeIn)
                                .arg(clip.fadeOut));
}

bool silent(const Frame &frame)
{
    return frame.left == 0 && frame.right == 0;
}

// The frames of a 16-bit stereo WAV file, or only its non-silent ones.
std::vector<Frame> framesOf(const QString &path, bool soundOnly)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll().mid(44);
    std::vector<Frame> frames;
    for (qsizetype i = 0; i + 4 <= bytes.size(); i += 4) {
        const Frame frame {qFromLittleEndian<int16_t>(bytes.constData() + i),
                           qFromLittleEndian<int16_t>(bytes.constData() + i + 2)};
        if (!soundOnly || !silent(frame))
            frames.push_back(frame);
    }
    return frames;
}

// From the first to the last frame with sound.
std::vector<Frame> trimmed(std::vector<Frame> frames)
{
    while (!frames.empty() && silent(frames.back()))
        frames.pop_back();
    const auto sound
            = std::find_if(frames.begin(), frames.end(), [](const Frame &f) { return !silent(f); });
    frames.erase(frames.begin(), sound);
    return frames;
}

// The heard frames are the expected ones, the expected repeated where a loop played on.
void compareSound(const std::vector<Frame> &sound, const std::vector<Frame> &expected)
{
    for (size_t i = 0; i < sound.size(); ++i) {
        const Frame &want = expected[i % expected.size()];
        if (sound[i].left != want.left || sound[i].right != want.right)
            QFAIL(qPrintable(QStringLiteral("frame %1: %2 %3, the encoder wrote %4 %5")
                                     .arg(i)
                                     .arg(sound[i].left)
                                     .arg(sound[i].right)
                                     .arg(want.left)
                                     .arg(want.right)));
    }
}

// A loud song-like file (chords and bass under noise bursts, peaks at full scale) and what the
// program's encoder makes of its second half at several volumes.
void TestPlayer::makeEncodedClips()
{
    songPath = makeMedia(
            QStringLiteral("song.wav"),
            {"-f",
             "lavfi",
             "-i",
             "aevalsrc=exprs=0.4*sin(2*PI*110*t)+0.2*sin(2*PI*440*t)+0.2*sin(2*PI*554*t)"
             "+0.35*(2*random(0)-1)*exp(-20*mod(t\\,0.25))|0.4*sin(2*PI*82*t)+0.2*sin(2*PI*659*t)"
             "+0.35*(2*random(1)-1)*exp(-20*mod(t\\,0.25)):s=44100:d=1.2",
             "-c:a",
             "pcm_s16le"});
    const QString encoder = qEnvironmentVariable("VARDEL_BIN_DIR") + QStringLiteral("/ffmpeg");
    for (int volume : EncoderVolumes) {
        const QStringList arguments {"-ss",
                                     QString::number(ClipStart),
                                     "-t",
                                     "10",
                                     "-y",
                                     "-i",
                                     songPath,
                                     "-vol",
                                     QString::number(volume),
                                     "-fadein",
                                     "0",
                                     encodedPath(dir, volume)};
        if (!runProgram(encoder, arguments))
            qWarning() << "the encoder could not make" << encodedPath(dir, volume);
    }
    for (const Shaped &clip : ShapedClips) {
        const QStringList arguments {"-ss",
                                     QString::number(ClipStart),
                                     "-t",
                                     QString::number(ClipLength),
                                     "-y",
                                     "-i",
                                     songPath,
                                     "-vol",
                                     QString::number(clip.volume),
                                     "-fadein",
                                     QString::number(clip.fadeIn),
                                     "-fadeout",
                                     QString::number(clip.fadeOut),
                                     shapedPath(dir, clip)};
        if (!runProgram(encoder, arguments))
            qWarning() << "the encoder could not make" << shapedPath(dir, clip);
    }
}

// Fixtures come from the distribution's ffmpeg tool, not from the program's own encoder.
QString TestPlayer::makeMedia(const QString &fileName, const QStringList &arguments)
{
    const QString path = dir.filePath(fileName);
    MediaTool::make(arguments + QStringList {path});
    return path;
}

void TestPlayer::init()
{
    std::vector<int> stopped = log.states();
    sonvix_stop();
    if (!stopped.empty() && stopped.back() != SONVIX_STOPPED) {
        stopped.push_back(SONVIX_STOPPED);
        QVERIFY(log.waitFor(stopped));
    }
    sonvix_set_volume(1.0);
    sonvix_fadein(0);
    settle();
    log.clear();
    capture->mark();
}

// Nothing plays: the device is closed, and what it wrote up to then is in the capture.
void TestPlayer::settle()
{
    QVERIFY(capture->waitForClosed());
}

void TestPlayer::playToEnd()
{
    const size_t before = log.states().size();
    QCOMPARE(sonvix_play(), 0);
    std::vector<int> expected = log.states();
    expected.resize(before);
    expected.insert(expected.end(), {1, 0});
    QVERIFY2(log.waitFor(expected), "the file plays to its end");
    settle();
}

void TestPlayer::badArgumentsAreRefused_data()
{
    QTest::addColumn<int>("result");
    QTest::newRow("negative volume") << sonvix_set_volume(-0.5);
    QTest::newRow("infinite volume") << sonvix_set_volume(INFINITY);
    QTest::newRow("fade-in NaN") << sonvix_fadein(NAN);
    QTest::newRow("negative fade-in") << sonvix_fadein(-1.0);
    QTest::newRow("seek NaN") << sonvix_seek(NAN);
    QTest::newRow("open null") << sonvix_open(nullptr, 0, 0);
    QTest::newRow("volume over 5") << sonvix_set_volume(5.01);
    QTest::newRow("volume NaN") << sonvix_set_volume(NAN);
    QTest::newRow("fade-out NaN") << sonvix_fadeout(NAN, 1.0);
    QTest::newRow("fade-out ending before the file") << sonvix_fadeout(1.0, -1.0);
    QTest::newRow("loop from infinity") << sonvix_loop(INFINITY, 1.0);
}

void TestPlayer::badArgumentsAreRefused()
{
    QFETCH(int, result);
    QVERIFY(result < 0);
}

// Play, pause, resume, stop, play again to the end: reports in order, on a thread of the
// library, and the capture holds the file from 0 to the stop, then all of it again.
void TestPlayer::statesAndContinuity()
{
    QCOMPARE(sonvix_open(native(counterPath).constData(), 0, 0), 0);
    QCOMPARE(sonvix_play(), 0);
    QVERIFY(log.waitFor({1}));
    QVERIFY(capture->waitForSound(SomeSound));
    QCOMPARE(sonvix_pause(), 0);
    QVERIFY(log.waitFor({1, 2}));
    settle();
    QCOMPARE(sonvix_pause(), 0);
    QVERIFY(log.waitFor({1, 2, 1}));
    QVERIFY(capture->waitForSound(capture->soundSinceMark().size() + SomeSound));
    QCOMPARE(sonvix_stop(), 0);
    QVERIFY(log.waitFor({1, 2, 1, 0}));
    QCOMPARE(sonvix_get_position(), 0.0);
    playToEnd();
    QCOMPARE(log.states(), (std::vector<int> {1, 2, 1, 0, 1, 0}));
    QVERIFY(log.onlyFromOtherThreads(std::this_thread::get_id()));
    QCOMPARE(sonvix_get_position(), 0.0);

    const auto heard = runs(indices(capture->soundSinceMark()));
    QCOMPARE(heard.size(), size_t(2));
    QCOMPARE(heard[0].first, int64_t(0));
    QVERIFY(heard[0].second > 0);
    QCOMPARE(heard[1], (std::pair<int64_t, int64_t>(0, CounterFrames - 1)));
}

void TestPlayer::seekLandsOnTheFrame_data()
{
    QTest::addColumn<int>("stateAtSeek");
    QTest::addColumn<double>("target");

    QTest::newRow("stopped") << 0 << 0.5;
    QTest::newRow("paused") << 2 << 1.0;
    QTest::newRow("playing, forward") << 1 << 0.9;
    QTest::newRow("playing, backward") << 1 << 0.1;
    QTest::newRow("stopped, odd time") << 0 << 1.23456;
}

void TestPlayer::seekLandsOnTheFrame()
{
    QFETCH(int, stateAtSeek);
    QFETCH(double, target);

    QCOMPARE(sonvix_open(native(counterPath).constData(), 0, 0), 0);
    if (stateAtSeek != 0) {
        QCOMPARE(sonvix_play(), 0);
        QVERIFY(log.waitFor({1}));
        QVERIFY(capture->waitForSound(SomeSound));
    }
    if (stateAtSeek == 2) {
        QCOMPARE(sonvix_pause(), 0);
        QVERIFY(log.waitFor({1, 2}));
    }
    QCOMPARE(sonvix_seek(target), 0);
    const double position = sonvix_get_position();
    QVERIFY2(position >= target - 0.5 / Rate && position < CounterFrames / double(Rate),
             qPrintable(QString::number(position)));
    if (stateAtSeek == 2)
        QCOMPARE(sonvix_pause(), 0);
    double last = position;
    for (int i = 0; i < 5 && stateAtSeek != 0; ++i) {
        QVERIFY(capture->waitForGrowth(2 * DeviceFrames));
        const double now = sonvix_get_position();
        QVERIFY2(now >= last, "the position never runs back while playing");
        last = now;
    }
    if (stateAtSeek == 0)
        QCOMPARE(sonvix_play(), 0);
    QVERIFY(log.waitFor(stateAtSeek == 2 ? std::vector<int> {1, 2, 1, 0}
                                         : std::vector<int> {1, 0}));
    settle();

    const auto heard = runs(indices(capture->soundSinceMark()));
    QVERIFY(!heard.empty());
    QCOMPARE(heard.back(),
             (std::pair<int64_t, int64_t>(std::llround(target * Rate), CounterFrames - 1)));
    QCOMPARE(heard.size(), size_t(stateAtSeek == 0 ? 1 : 2));
}

void TestPlayer::volumeScalesAndLimits_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("limited");

    QTest::newRow("unchanged") << 1.0 << Level << false;
    QTest::newRow("half") << 0.5 << Level / 2 << false;
    QTest::newRow("tiny") << 0.01 << 240 << false;
    QTest::newRow("louder, still under the ceiling") << 1.02 << 24480 << false;
    QTest::newRow("just over the ceiling, limited") << 1.25 << 0 << true;
    QTest::newRow("5x, limited") << 5.0 << 0 << true;
    QTest::newRow("silence") << 0.0 << 0 << false;
}

// The level fixture is +Level left, -Level right. Under the ceiling every frame is exactly
// scaled; over it the limiter holds both channels alike just under -1 dBFS, never over it.
void TestPlayer::volumeScalesAndLimits()
{
    QFETCH(double, factor);
    QFETCH(int, level);
    QFETCH(bool, limited);

    QCOMPARE(sonvix_open(native(shortLevelPath).constData(), 0, 0), 0);
    QCOMPARE(sonvix_set_volume(factor), 0);
    playToEnd();
    const std::vector<Frame> sound = capture->soundSinceMark();
    QCOMPARE(sound.size(), size_t(factor == 0 ? 0 : Rate * 3 / 10));
    const int ceiling = int(32768 * std::pow(10.0, -1.0 / 20));
    for (size_t i = 0; i < sound.size(); ++i) {
        QCOMPARE(int(sound[i].right), -int(sound[i].left));
        if (!limited)
            QCOMPARE(int(sound[i].left), level);
        else
            QVERIFY2(sound[i].left <= ceiling, qPrintable(QString::number(i)));
    }
    if (limited) {
        const int steady = sound[sound.size() / 2].left;
        QVERIFY2(steady > ceiling * 0.95, qPrintable(QString::number(steady)));
    }
}

void TestPlayer::soundsAsTheEncoderWrites_data()
{
    QTest::addColumn<int>("volume");
    for (int volume : EncoderVolumes)
        QTest::addRow("-vol %d", volume) << volume;
}

// The preview of a clip at factor N / 256 is, frame for frame, the encoder's output at -vol N.
void TestPlayer::soundsAsTheEncoderWrites()
{
    QFETCH(int, volume);

    const std::vector<Frame> expected = framesOf(encodedPath(dir, volume), true);
    QVERIFY(expected.size() > size_t(Rate / 2));

    QCOMPARE(sonvix_open(native(songPath).constData(), 0, 0), 0);
    QCOMPARE(sonvix_set_volume(volume / 256.0), 0);
    QCOMPARE(sonvix_seek(ClipStart), 0);
    playToEnd();
    const std::vector<Frame> sound = capture->soundSinceMark();
    QCOMPARE(sound.size(), expected.size());
    compareSound(sound, expected);
}

void TestPlayer::clipSoundsAsTheEncoderWrites_data()
{
    QTest::addColumn<int>("clip");
    QTest::addColumn<bool>("loop");
    for (int i = 0; i < int(std::size(ShapedClips)); ++i) {
        const Shaped &clip = ShapedClips[i];
        for (const bool loop : {false, true}) {
            QTest::addRow("-vol %d, fades %g and %g%s",
                          clip.volume,
                          clip.fadeIn,
                          clip.fadeOut,
                          loop ? ", looped" : "")
                    << i << loop;
        }
    }
}

// A clip that ends before the file does, with its fades, is heard frame for frame as the
// encoder writes it, and ends there; looped, every pass is the ringtone again, seams included,
// as a phone plays it over and over.
void TestPlayer::clipSoundsAsTheEncoderWrites()
{
    QFETCH(int, clip);
    QFETCH(bool, loop);

    const Shaped &shaped = ShapedClips[clip];
    const std::vector<Frame> expected = framesOf(shapedPath(dir, shaped), !loop);
    QVERIFY(expected.size() > size_t(Rate * ClipLength * 0.9));

    QCOMPARE(sonvix_open(native(songPath).constData(), 0, 0), 0);
    QCOMPARE(sonvix_set_volume(shaped.volume / 256.0), 0);
    QCOMPARE(sonvix_fadein(shaped.fadeIn), 0);
    QCOMPARE(sonvix_fadeout(shaped.fadeOut, ClipStart + ClipLength), 0);
    if (loop)
        QCOMPARE(sonvix_loop(ClipStart, ClipStart + ClipLength), 0);
    QCOMPARE(sonvix_seek(ClipStart), 0);
    if (!loop) {
        playToEnd();
        const std::vector<Frame> sound = capture->soundSinceMark();
        QCOMPARE(sound.size(), expected.size());
        compareSound(sound, expected);
        return;
    }
    QCOMPARE(sonvix_play(), 0);
    const size_t wanted = expected.size() * 5 / 2;
    QVERIFY(capture->waitForSound(wanted));
    QCOMPARE(sonvix_stop(), 0);
    QVERIFY(log.waitFor({1, 0}));
    // Silence included, so that a gap at a seam shows; the first pass's silent frames hide in
    // the device's idle time before it.
    const std::vector<Frame> sound = trimmed(capture->framesSinceMark());
    QVERIFY2(sound.size() >= wanted, qPrintable(QString::number(sound.size())));
    const auto lead = std::find_if(
            expected.begin(), expected.end(), [](const Frame &f) { return !silent(f); });
    std::vector<Frame> pass(lead, expected.end());
    pass.insert(pass.end(), expected.begin(), lead);
    compareSound(sound, pass);
}

void TestPlayer::volumeChangesWhilePlaying()
{
    QCOMPARE(sonvix_open(native(levelPath).constData(), 0, 0), 0);
    QCOMPARE(sonvix_play(), 0);
    QVERIFY(log.waitFor({1}));
    QVERIFY(capture->waitForSound(SomeSound));
    QCOMPARE(sonvix_set_volume(0.5), 0);
    QVERIFY(log.waitFor({1, 0}));
    settle();

    const std::vector<Frame> sound = capture->soundSinceMark();
    QCOMPARE(sound.size(), size_t(LevelFrames));
    size_t full = 0;
    while (full < sound.size() && sound[full].left == Level)
        ++full;
    QVERIFY(full > 0 && full < sound.size());
    for (size_t i = full; i < sound.size(); ++i)
        QCOMPARE(int(sound[i].left), Level / 2);
}

// The frame with t = 0 is silent, so the captured ramp begins with t = 1 frame.
void TestPlayer::checkRamp(const std::vector<Frame> &sound, size_t from, double seconds)
{
    const double length = seconds * Rate;
    QCOMPARE(sound.size() - from, size_t(LevelFrames) - from - 1);
    for (size_t i = from; i < sound.size(); ++i) {
        const double t = double(i - from + 1);
        const double expected = t < length ? Level * t / length : Level;
        if (std::abs(sound[i].left - expected) > 1.0 || std::abs(sound[i].right + expected) > 1.0)
            QFAIL(qPrintable(QStringLiteral("frame %1: %2, expected %3")
                                     .arg(t)
                                     .arg(sound[i].left)
                                     .arg(expected)));
    }
}

void TestPlayer::fadeInRamps_data()
{
    QTest::addColumn<bool>("onResume");
    QTest::addColumn<double>("seconds");

    QTest::newRow("start, 0.25 s") << false << 0.25;
    QTest::newRow("start, the whole file") << false << LevelFrames / double(Rate);
    QTest::newRow("resume, 0.2 s") << true << 0.2;
}

void TestPlayer::fadeInRamps()
{
    QFETCH(bool, onResume);
    QFETCH(double, seconds);

    QCOMPARE(sonvix_open(native(levelPath).constData(), 0, 0), 0);
    if (onResume) {
        QCOMPARE(sonvix_play(), 0);
        QVERIFY(log.waitFor({1}));
        QVERIFY(capture->waitForSound(SomeSound));
        QCOMPARE(sonvix_pause(), 0);
        QVERIFY(log.waitFor({1, 2}));
        QCOMPARE(sonvix_fadein(seconds), 0);
        QCOMPARE(sonvix_pause(), 0);
        QVERIFY(log.waitFor({1, 2, 1, 0}));
        settle();
    } else {
        QCOMPARE(sonvix_fadein(seconds), 0);
        playToEnd();
    }
    const std::vector<Frame> sound = capture->soundSinceMark();
    size_t rampStart = 0;
    while (onResume && rampStart < sound.size() && sound[rampStart].left == Level)
        ++rampStart;
    QVERIFY(!onResume || rampStart > 0);
    checkRamp(sound, rampStart, seconds);

    // The fade belongs to one start only.
    capture->mark();
    playToEnd();
    const std::vector<Frame> again = capture->soundSinceMark();
    QCOMPARE(again.size(), size_t(LevelFrames));
    QCOMPARE(int(again.front().left), Level);
}

void TestPlayer::playsAnyMedia_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("video with sound") << dir.filePath(QStringLiteral("clip.mp4"));
    QTest::newRow("mp3") << dir.filePath(QStringLiteral("tone.mp3"));
    QTest::newRow("mono 22050 Hz, non-ASCII name")
            << dir.filePath(QString::fromUtf8("Klingelton für dich.wav"));
}

// Other rates, channel counts and containers come out as the same half second of sound.
void TestPlayer::playsAnyMedia()
{
    QFETCH(QString, path);

    QCOMPARE(sonvix_open(native(path).constData(), 0, 0), 0);
    playToEnd();
    const size_t heard = capture->soundSinceMark().size();
    QVERIFY2(heard > Rate * 0.45 && heard < Rate * 0.6, qPrintable(QString::number(heard)));
}

void TestPlayer::refusedFileUnloadsTheLast_data()
{
    QTest::addColumn<QString>("path");

    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    QFile file(text);
    if (file.open(QIODevice::WriteOnly))
        file.write("These are words, not sound.\n");
    QTest::newRow("missing file") << dir.filePath(QStringLiteral("missing.wav"));
    QTest::newRow("text file") << text;
    QTest::newRow("folder") << dir.path();
    QTest::newRow("empty name") << QString();
}

// The file that was playing stops and is no longer loaded: Play must not bring back a file
// the caller has moved away from.
void TestPlayer::refusedFileUnloadsTheLast()
{
    QFETCH(QString, path);

    QCOMPARE(sonvix_open(native(counterPath).constData(), 0, 0), 0);
    QCOMPARE(sonvix_play(), 0);
    QVERIFY(log.waitFor({1}));
    QVERIFY(capture->waitForSound(SomeSound));
    QVERIFY(sonvix_open(native(path).constData(), 0, 0) < 0);
    QVERIFY(log.waitFor({1, 0}));
    QVERIFY(sonvix_play() < 0);
    QVERIFY(sonvix_pause() < 0);
    // A wrong start would be reported within a buffer or two; nothing to wait on but time.
    settle();
    std::this_thread::sleep_for(std::chrono::milliseconds(8 * DeviceFrames * 1000 / Rate));
    QCOMPARE(log.states(), (std::vector<int> {1, 0}));
    const auto heard = runs(indices(capture->soundSinceMark()));
    QCOMPARE(heard.size(), size_t(1));
    QCOMPARE(heard.front().first, int64_t(0));
    QVERIFY(heard.front().second < CounterFrames - 1);
}

// A window clears its callback and is destroyed at once: from the moment the clearing call
// returns, no report may be running in the old callback or enter it later, however many are
// under way. The receiver is freed right then, so a sanitized build also catches a late entry.
void TestPlayer::clearedCallbackIsNeverEntered()
{
    struct Counts
    {
        std::atomic<int> inside {0};
        std::atomic<int> entered {0};
        std::atomic<bool> gone {false};
        std::atomic<int> enteredAfterwards {0};
    };
    struct Receiver
    {
        Counts *counts;
        // Reads the receiver on the way in and out, as a window uses its members.
        static int callback(int, void *user)
        {
            auto *self = static_cast<Receiver *>(user);
            ++self->counts->inside;
            ++self->counts->entered;
            if (self->counts->gone)
                ++self->counts->enteredAfterwards;
            // A slow receiver keeps each report in flight long enough to be caught.
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            --self->counts->inside;
            return 0;
        }
    };
    QCOMPARE(sonvix_open(native(counterPath).constData(), 0, 0), 0);
    for (int round = 0; round < 20; ++round) {
        Counts counts;
        auto receiver = std::make_unique<Receiver>(Receiver {&counts});
        QCOMPARE(sonvix_set_callback(&Receiver::callback, receiver.get()), 0);
        for (int report = 0; report < 4; ++report) {
            sonvix_play();
            sonvix_pause();
        }
        // The clearing call comes while a report is surely in flight.
        QTRY_VERIFY(counts.entered > 0);
        QCOMPARE(sonvix_set_callback(nullptr, nullptr), 0);
        counts.gone = true;
        receiver.reset();
        QCOMPARE(counts.inside.load(), 0);
        sonvix_stop();
        QCOMPARE(counts.enteredAfterwards.load(), 0);
    }
    QCOMPARE(sonvix_set_callback(&StateLog::callback, &log), 0);
}

void TestPlayer::idleDeviceWritesNothing_data()
{
    QTest::addColumn<QString>("after");
    QTest::newRow("a file opened, never played") << "open";
    QTest::newRow("paused") << "pause";
    QTest::newRow("stopped") << "stop";
    QTest::newRow("played to its end") << "end";
}

// An open device, even paused, is fed silence by the sound server: the player holds it only
// while something plays, so an idle program sends nothing at all.
void TestPlayer::idleDeviceWritesNothing()
{
    QFETCH(QString, after);

    QCOMPARE(sonvix_open(native(shortLevelPath).constData(), 0, 0), 0);
    if (after == QLatin1String("end")) {
        playToEnd();
    } else if (after != QLatin1String("open")) {
        QCOMPARE(sonvix_play(), 0);
        QVERIFY(capture->waitForSound(SomeSound / 10));
        QCOMPARE(after == QLatin1String("pause") ? sonvix_pause() : sonvix_stop(), 0);
    }
    settle();
    const int64_t written = capture->framesWritten();
    // Idle for a fifth of a second: an open device would write 8820 frames of silence.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    QCOMPARE(capture->framesWritten(), written);
}

QTEST_APPLESS_MAIN(TestPlayer)

#include "tst_player.moc"
