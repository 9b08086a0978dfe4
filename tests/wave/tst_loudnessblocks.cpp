#include "media/loudnessblocks.h"

#include <QtEndian>
#include <QtTest>

#include <ebur128.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int rate = 44100;

// A song-like signal of `seconds`: tones whose level changes every 1.3 s, noise bursts, a
// quiet verse before a loud chorus and a stretch of silence, interleaved 16-bit.
std::vector<qint16> song(double seconds, int channels)
{
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, 0.1);
    const qint64 frames = qint64(seconds * rate);
    std::vector<qint16> values(size_t(frames * channels));
    for (qint64 f = 0; f < frames; ++f) {
        const double t = double(f) / rate;
        const double level = t < 8.0 ? 0.05 : 0.2 + 0.15 * std::sin(t / 1.3);
        const bool silent = t >= 20.0 && t < 23.0;
        for (int c = 0; c < channels; ++c) {
            double v = level * std::sin(2 * M_PI * (220.0 + 110.0 * c) * t)
                    + level * 0.5 * std::sin(2 * M_PI * 3520.0 * t + c);
            if (std::fmod(t, 2.0) < 0.15)
                v += noise(random);
            values[size_t(f * channels + c)] = silent ? 0 : qint16(std::lround(v * 32767.0));
        }
    }
    return values;
}

// What a loudness meter gives for the frames first .. first + count alone.
double metered(const std::vector<qint16> &values, int channels, qint64 first, qint64 count)
{
    ebur128_state *state = ebur128_init(unsigned(channels), rate, EBUR128_MODE_I);
    ebur128_add_frames_short(state, values.data() + first * channels, size_t(count));
    double loudness = 0;
    ebur128_loudness_global(state, &loudness);
    ebur128_destroy(&state);
    return loudness;
}

QByteArray littleEndian(const std::vector<qint16> &values)
{
    QByteArray bytes(qsizetype(values.size() * 2), Qt::Uninitialized);
    qToLittleEndian<qint16>(values.data(), qsizetype(values.size()), bytes.data());
    return bytes;
}

} // namespace

class TestLoudnessBlocks : public QObject
{
    Q_OBJECT

private slots:
    void clipAgreesWithMeter_data();
    void clipAgreesWithMeter();
    void portionsOfAnySize();
    void silenceAndShortClips();
};

void TestLoudnessBlocks::clipAgreesWithMeter_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<qint64>("beginMs");
    QTest::addColumn<qint64>("endMs");

    QTest::newRow("whole-song") << 2 << qint64(0) << qint64(40000);
    QTest::newRow("on-block-edges") << 2 << qint64(5000) << qint64(35000);
    QTest::newRow("between-edges") << 2 << qint64(1234) << qint64(31267);
    QTest::newRow("quiet-verse-only") << 2 << qint64(300) << qint64(7700);
    // The verse lies more than 10 LU under the chorus: the relative gate drops it.
    QTest::newRow("verse-into-chorus") << 2 << qint64(2000) << qint64(19000);
    // Three seconds of silence stay under the absolute gate.
    QTest::newRow("across-silence") << 2 << qint64(17050) << qint64(26950);
    QTest::newRow("one-second") << 2 << qint64(12340) << qint64(13340);
    QTest::newRow("half-second") << 2 << qint64(9000) << qint64(9500);
    QTest::newRow("mono") << 1 << qint64(4321) << qint64(34321);
    QTest::newRow("to-the-end") << 2 << qint64(30999) << qint64(40000);
}

// The loudness from the blocks is the meter's for the clip decoded alone, within 0.1 LU.
void TestLoudnessBlocks::clipAgreesWithMeter()
{
    QFETCH(int, channels);
    QFETCH(qint64, beginMs);
    QFETCH(qint64, endMs);
    const std::vector<qint16> values = song(40.0, channels);
    LoudnessBlocks blocks(rate, quint16(channels));
    const QByteArray bytes = littleEndian(values);
    blocks.addSigned16(bytes.constData(), quint64(bytes.size()));
    blocks.finish();

    const qint64 first = std::llround(beginMs * 44.1);
    const qint64 count = std::min<qint64>(std::llround((endMs - beginMs) * 44.1),
                                          qint64(values.size()) / channels - first);
    const double expected = metered(values, channels, first, count);
    const double got = blocks.loudness(beginMs, endMs);
    QVERIFY2(std::isfinite(expected), "the meter measured nothing");
    QVERIFY2(std::abs(got - expected) <= 0.1,
             qPrintable(QStringLiteral("%1 LUFS against %2").arg(got).arg(expected)));
}

// A frame split between two portions counts once, whole: any cut of the data gives the same
// blocks.
void TestLoudnessBlocks::portionsOfAnySize()
{
    const std::vector<qint16> values = song(6.0, 2);
    const QByteArray bytes = littleEndian(values);
    LoudnessBlocks whole(rate, 2);
    whole.addSigned16(bytes.constData(), quint64(bytes.size()));
    whole.finish();
    LoudnessBlocks cut(rate, 2);
    for (qsizetype at = 0, step = 1; at < bytes.size(); at += step, step = step % 13 + 2)
        cut.addSigned16(bytes.constData() + at, quint64(std::min(step, bytes.size() - at)));
    cut.finish();
    QCOMPARE(cut.blockCount(), qint64(600)); // 10 ms each
    QCOMPARE(cut.blockCount(), whole.blockCount());
    for (qint64 b = 0; b < whole.blockCount(); ++b) {
        QCOMPARE(cut.meanSquare(b, 0), whole.meanSquare(b, 0));
        QCOMPARE(cut.meanSquare(b, 1), whole.meanSquare(b, 1));
    }
}

// Silence, and a clip too short for one gating block, measure as the meter's minus infinity.
void TestLoudnessBlocks::silenceAndShortClips()
{
    const std::vector<qint16> values = song(25.0, 2);
    const QByteArray bytes = littleEndian(values);
    LoudnessBlocks blocks(rate, 2);
    blocks.addSigned16(bytes.constData(), quint64(bytes.size()));
    blocks.finish();
    QCOMPARE(blocks.loudness(20000, 23000), -HUGE_VAL);
    QCOMPARE(metered(values, 2, 20000 * 441 / 10, 3 * rate), -HUGE_VAL);
    QCOMPARE(blocks.loudness(10000, 10390), -HUGE_VAL);
    QVERIFY(std::isfinite(blocks.loudness(10000, 10400)));
    // Past the end there is nothing to measure.
    QCOMPARE(blocks.loudness(30000, 40000), -HUGE_VAL);
}

QTEST_APPLESS_MAIN(TestLoudnessBlocks)
#include "tst_loudnessblocks.moc"
