#include "media/wavereader.h"
#include "media/wavesummary.h"
#include "wavebuilder.h"

#include <QBuffer>
#include <QtTest>

#include <random>

using namespace wavebuilder;

namespace {

constexpr int rate = 44100;

// Noise whose loudness changes every few thousand frames, so blocks and levels differ.
std::vector<qint16> noise(int frames, int channels, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<qint16> values;
    int loudness = 1000;
    for (int f = 0; f < frames; ++f) {
        if (f % 3000 == 0)
            loudness = int(random() % 32768);
        for (int c = 0; c < channels; ++c)
            values.push_back(qint16(int(random() % (2 * loudness + 1)) - loudness));
    }
    return values;
}

QByteArray withData(Format f, const QByteArray &data)
{
    return riff(fmtChunk(f) + chunk("data", data));
}

std::shared_ptr<const CWaveSummary> summaryOf(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    return ReadWaveOverview(&buffer, 530, 50).summary;
}

bool operator==(const WaveBlock &a, const WaveBlock &b)
{
    return a.min == b.min && a.max == b.max && a.peak == b.peak;
}

// What a block of the finest level must hold, counted value by value.
WaveBlock expectedBlock(const std::vector<qint16> &values, int channels, size_t from, size_t to)
{
    WaveBlock block {32767, -32768, 0};
    for (size_t i = from; i < to; ++i) {
        if (i % size_t(channels) == 0) {
            block.min = std::min(block.min, values[i]);
            block.max = std::max(block.max, values[i]);
        }
        block.peak = std::max(block.peak, quint16(std::abs(int(values[i]))));
    }
    return block;
}

// Silence with single full-strength clicks, mono.
std::vector<qint16> clicks(int frames, const std::vector<std::pair<int, qint16>> &at)
{
    std::vector<qint16> values(size_t(frames), 0);
    for (const auto &[frame, value] : at)
        values[size_t(frame)] = value;
    return values;
}

} // namespace

class TestWaveSummary : public QObject
{
    Q_OBJECT

private slots:
    void blocksAndLevelsHoldTheirSamples_data();
    void blocksAndLevelsHoldTheirSamples();
    void portionsOffTheBlockGridGiveTheSameSummary();
    void memoryStaysUnderAHundredTwentyEighthOfTheData_data();
    void memoryStaysUnderAHundredTwentyEighthOfTheData();
    void viewColumnsShowTheirSamples_data();
    void viewColumnsShowTheirSamples();
    void peakOverATimeRange_data();
    void peakOverATimeRange();
    void wholeFilePictureIsTheOneCreateWaveImageDraws();
    void refusedFileHasNoSummary();
};

void TestWaveSummary::blocksAndLevelsHoldTheirSamples_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("bits");
    QTest::newRow("stereo, three coarse levels") << 2 << 300001 << 16;
    QTest::newRow("mono") << 1 << 150000 << 16;
    QTest::newRow("four channels: flat drawing, peak of all") << 4 << 20000 << 16;
    QTest::newRow("8-bit stereo") << 2 << 40000 << 8;
}

void TestWaveSummary::blocksAndLevelsHoldTheirSamples()
{
    QFETCH(int, channels);
    QFETCH(int, frames);
    QFETCH(int, bits);
    std::vector<qint16> values = noise(frames, channels, 7);
    Format f;
    f.channels = quint16(channels);
    f.bits = quint16(bits);
    QByteArray data = pcm16(values);
    if (bits == 8) {
        data.clear();
        for (qint16 &v : values) {
            const int byte = v / 256 + 128;
            data += char(byte);
            v = qint16((byte - 128) * 256);
        }
    }
    const auto summary = summaryOf(withData(f, data));
    QVERIFY(summary);
    QCOMPARE(summary->frames(), quint64(frames));

    const size_t blockValues = size_t(summary->framesPerBlock()) * size_t(channels);
    const std::vector<WaveBlock> &fine = summary->level(0);
    QCOMPARE(fine.size(), (values.size() + blockValues - 1) / blockValues);
    for (size_t b = 0; b < fine.size(); ++b) {
        WaveBlock expected = expectedBlock(
                values, channels, b * blockValues, std::min(values.size(), (b + 1) * blockValues));
        if (channels > 2)
            expected.min = expected.max = 0;
        QVERIFY2(fine[b] == expected, qPrintable(QStringLiteral("block %1").arg(b)));
    }
    for (int level = 1; level < summary->levelCount(); ++level) {
        const std::vector<WaveBlock> &below = summary->level(level - 1);
        const std::vector<WaveBlock> &above = summary->level(level);
        QCOMPARE(above.size(), (below.size() + 15) / 16);
        for (size_t i = 0; i < above.size(); ++i) {
            WaveBlock children = below[i * 16];
            for (size_t c = i * 16; c < std::min(below.size(), i * 16 + 16); ++c) {
                children.min = std::min(children.min, below[c].min);
                children.max = std::max(children.max, below[c].max);
                children.peak = std::max(children.peak, below[c].peak);
            }
            QVERIFY2(above[i] == children, qPrintable(QStringLiteral("%1/%2").arg(level).arg(i)));
        }
    }
    QCOMPARE(summary->level(summary->levelCount() - 1).size(), size_t(1));
}

// The reader hands over 512 KiB portions that always start on a block; anything else must
// come out the same through the open block.
void TestWaveSummary::portionsOffTheBlockGridGiveTheSameSummary()
{
    const std::vector<qint16> values = noise(50000, 2, 3);
    const QByteArray data = pcm16(values);
    CWaveSummary whole(rate, 2, 16, values.size());
    whole.addSigned16(data.constData(), quint32(data.size()));
    whole.finish();
    CWaveSummary pieces(rate, 2, 16, values.size());
    for (int at = 0, step = 6; at < data.size(); at += step, step = step * 7 % 4000 + 2)
        pieces.addSigned16(data.constData() + at, quint32(std::min(step, int(data.size()) - at)));
    pieces.finish();
    QCOMPARE(pieces.levelCount(), whole.levelCount());
    for (int level = 0; level < whole.levelCount(); ++level) {
        QCOMPARE(pieces.level(level).size(), whole.level(level).size());
        for (size_t i = 0; i < whole.level(level).size(); ++i)
            QVERIFY(pieces.level(level)[i] == whole.level(level)[i]);
    }
}

void TestWaveSummary::memoryStaysUnderAHundredTwentyEighthOfTheData_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("bits");
    QTest::newRow("16-bit stereo, as the decoder writes") << 2 << 16;
    QTest::newRow("16-bit mono") << 1 << 16;
    QTest::newRow("8-bit mono") << 1 << 8;
}

void TestWaveSummary::memoryStaysUnderAHundredTwentyEighthOfTheData()
{
    QFETCH(int, channels);
    QFETCH(int, bits);
    const int seconds = 30;
    const QByteArray data(seconds * rate * channels * bits / 8, '\x10');
    Format f;
    f.channels = quint16(channels);
    f.bits = quint16(bits);
    const auto summary = summaryOf(withData(f, data));
    QVERIFY(summary);
    QCOMPARE(summary->duration(), double(seconds));
    QVERIFY2(summary->memoryBytes() * 128 <= size_t(data.size()),
             qPrintable(QStringLiteral("%1 bytes for %2")
                                .arg(summary->memoryBytes())
                                .arg(data.size())));
}

void TestWaveSummary::viewColumnsShowTheirSamples_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<int>("clickFrame");
    QTest::addColumn<int>("column"); // -1: no column shows the click

    // Mono blocks are 512 frames; at 530 columns a second a column is 83.2 frames.
    QTest::newRow("one second, click at its middle") << 10.0 << 11.0 << 463050 << 265;
    QTest::newRow("one second, click at its first frame") << 10.0 << 11.0 << 441000 << 0;
    QTest::newRow("ten seconds") << 5.0 << 15.0 << 441000 << 265;
    QTest::newRow("whole minute") << 0.0 << 60.0 << 2645999 << 529;
    QTest::newRow("click far left of the view") << 30.0 << 31.0 << 441000 << -1;
    QTest::newRow("view beyond the end of the file") << 60.0 << 61.0 << 2645999 << -1;
}

void TestWaveSummary::viewColumnsShowTheirSamples()
{
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(int, clickFrame);
    QFETCH(int, column);
    const auto summary = summaryOf(wav16(clicks(60 * rate, {{clickFrame, 20000}})));
    QVERIFY(summary);
    const std::vector<WavePeak> peaks = summary->viewPeaks(from, to, 530);
    QCOMPARE(peaks.size(), size_t(530));
    // A column reads whole blocks, so the click may show up to one block away from its column.
    const int reach = column < 0 ? 0 : int(std::ceil(512 / ((to - from) * rate / 530)));
    for (int x = 0; x < 530; ++x) {
        QCOMPARE(peaks[size_t(x)].min, qint16(0));
        if (x == column)
            QCOMPARE(peaks[size_t(x)].max, qint16(20000));
        else if (column < 0 || std::abs(x - column) > reach)
            QVERIFY2(peaks[size_t(x)].max == 0, qPrintable(QStringLiteral("column %1").arg(x)));
    }
}

void TestWaveSummary::peakOverATimeRange_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<int>("expected");

    // Stereo blocks are 256 frames. Clicks: 9000 at 1 s (left), -32768 at 5 s (right channel),
    // 12000 at 20 s (left); a quiet 100 everywhere else.
    QTest::newRow("range with the first click") << 0.5 << 1.5 << 9000;
    QTest::newRow("the negative full-scale click on the second channel") << 4.0 << 6.0 << 32768;
    QTest::newRow("whole file") << 0.0 << 30.0 << 32768;
    QTest::newRow("quiet stretch") << 6.0 << 19.0 << 100;
    QTest::newRow("ends one block before the click") << 10.0 << 20.0 - 256.0 / rate << 100;
    QTest::newRow("ends just past the click") << 10.0 << 20.0 + 1.0 / rate << 12000;
    QTest::newRow("empty range") << 1.0 << 1.0 << 0;
    QTest::newRow("beyond the end") << 31.0 << 40.0 << 0;
    QTest::newRow("before the start") << -5.0 << -1.0 << 0;
}

void TestWaveSummary::peakOverATimeRange()
{
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(int, expected);
    std::vector<qint16> values(size_t(30 * rate * 2), 100);
    values[size_t(1 * rate * 2)] = 9000;
    values[size_t(5 * rate * 2 + 1)] = -32768;
    values[size_t(20 * rate * 2)] = 12000;
    static const auto summary = summaryOf(wav16(values, 2));
    QVERIFY(summary);
    QCOMPARE(summary->peak(from, to), expected);
}

void TestWaveSummary::wholeFilePictureIsTheOneCreateWaveImageDraws()
{
    QByteArray bytes = wav16(noise(200000, 2, 11), 2);
    QBuffer first(&bytes);
    QBuffer second(&bytes);
    const WaveOverview overview = ReadWaveOverview(&first, 530, 50);
    const QImage expected = CreateWaveImage(&second, 530, 50);
    QVERIFY(!expected.isNull());
    QCOMPARE(overview.image, expected);
    QVERIFY(overview.summary);
}

void TestWaveSummary::refusedFileHasNoSummary()
{
    Format f;
    f.bits = 24;
    const WaveOverview overview = [&] {
        QByteArray bytes = withData(f, QByteArray(300, '\0'));
        QBuffer buffer(&bytes);
        return ReadWaveOverview(&buffer, 530, 50);
    }();
    QVERIFY(overview.image.isNull());
    QVERIFY(!overview.summary);
}

QTEST_APPLESS_MAIN(TestWaveSummary)
#include "tst_wavesummary.moc"
