#include "media/waveimage.h"
#include "media/wavepeaks.h"
#include "media/wavereader.h"
#include "wavebuilder.h"

#include <QBuffer>
#include <QFile>
#include <QtTest>

#include <cstring>
#include <random>

using namespace wavebuilder;

namespace {

// Value i is +(i + 1) when i is even and -(i + 1) when odd, so each value is recognisable.
std::vector<qint16> rampValues(int count)
{
    std::vector<qint16> values;
    for (int i = 0; i < count; ++i)
        values.push_back(qint16(i % 2 ? -(i + 1) : i + 1));
    return values;
}

struct ReadResult
{
    QImage image;
    std::vector<WavePeak> peaks;
    bool closed = false;
};

ReadResult readWave(QByteArray bytes, int width = 530, int height = 50)
{
    QBuffer buffer(&bytes);
    CWaveReader reader(width, height);
    reader.read(&buffer);
    return {reader.image(), reader.peakPairs(), !buffer.isOpen()};
}

bool samePeaks(const std::vector<WavePeak> &a, const std::vector<WavePeak> &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].min != b[i].min || a[i].max != b[i].max)
            return false;
    }
    return true;
}

// Counts pixels that are not fully transparent in the rows [top, bottom] of the image.
int paintedPixels(const QImage &image, int top, int bottom)
{
    int count = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) != 0;
    }
    return count;
}

// A WAV larger than a RIFF size can describe, made on the fly: mono 16-bit silence with a loud
// last mebibyte. Its sizes are capped as the encoder writes them.
class HugeWave : public QIODevice
{
public:
    static constexpr qint64 dataBytes = (qint64(1) << 32) + (1 << 20);
    static constexpr qint64 loudFrom = dataBytes - (1 << 20);

    HugeWave()
    {
        const quint32 capped = 0xffffffffU - 44;
        header = QByteArray("RIFF") + le32(capped + 36) + QByteArray("WAVE") + fmtChunk(Format())
                + QByteArray("data") + le32(capped);
    }
    qint64 size() const override { return header.size() + dataBytes; }

protected:
    qint64 readData(char *data, qint64 length) override
    {
        const qint64 from = pos();
        length = qMin(length, size() - from);
        std::memset(data, 0, size_t(length));
        const qint64 loudAt = header.size() + loudFrom;
        for (qint64 at = from; at < from + length; ++at) {
            if (at < header.size())
                data[at - from] = header[at];
            else if (at >= loudAt)
                data[at - from] = (at - header.size()) % 2 ? 0x4e : 0x20;
            else
                at = qMin(loudAt, from + length) - 1;
        }
        return length;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray header;
};

QByteArray withFormat(Format f, const QByteArray &data)
{
    return riff(fmtChunk(f) + chunk("data", data));
}

} // namespace

class TestWaveReader : public QObject
{
    Q_OBJECT

private slots:
    void refused_data();
    void refused();
    void endsWithoutData_data();
    void endsWithoutData();
    void chunkLayouts_data();
    void chunkLayouts();
    void columnOfValue_data();
    void columnOfValue();
    void columnRunsMatchFormula();
    void monoTakesEveryValue();
    void stereoTakesFirstChannelOnly();
    void otherChannelCountsTakeNothing();
    void eightBitIsCentredOn128();
    void shortDataChunkStillDraws();
    void cappedSizesRunToTheEnd();
    void unknownSizesRunToTheEnd_data();
    void unknownSizesRunToTheEnd();
    void rowOfValue_data();
    void rowOfValue();
    void barsSpanPeakRows_data();
    void barsSpanPeakRows();
    void silentFirstChannelDrawsFlatLine_data();
    void silentFirstChannelDrawsFlatLine();
    void missingFileGivesNullImage();
};

void TestWaveReader::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QByteArray data = chunk("data", pcm16(rampValues(100)));
    const QByteArray good = riff(fmtChunk(Format()) + data);
    Format f24;
    f24.bits = 24;
    Format f32;
    f32.bits = 32;
    Format fFloat;
    fFloat.tag = 3;
    fFloat.bits = 32;
    Format fZero;
    fZero.bits = 0;
    Format fExtensible;
    fExtensible.tag = 0xFFFE;

    QByteArray notRiff = good;
    notRiff[3] = 'X';
    QByteArray notWave = good;
    notWave.replace(8, 4, "WAVF");
    QByteArray shortFormat = riff(chunk("fmt ", fmtPayload(Format()).left(14)) + data);

    QTest::newRow("empty file") << QByteArray() << "Error: file header is not RIFF";
    QTest::newRow("RIFX") << notRiff << "Error: file header is not RIFF";
    QTest::newRow("RIFF size one short")
            << riff(fmtChunk(Format()) + data, -1)
            << QStringLiteral("Error: uint32FileSize = %1").arg(good.size());
    QTest::newRow("RIFF size one long")
            << riff(fmtChunk(Format()) + data, 1)
            << QStringLiteral("Error: uint32FileSize = %1").arg(good.size());
    QTest::newRow("byte after the RIFF chunk")
            << good + '\0' << QStringLiteral("Error: uint32FileSize = %1").arg(good.size() + 1);
    QTest::newRow("WAVF") << notWave << QStringLiteral("Error: uint32ChunkId = %1").arg(0x46564157);
    QTest::newRow("float") << withFormat(fFloat, pcm16(rampValues(100))) << "Not PCM format!";
    QTest::newRow("extensible") << withFormat(fExtensible, pcm16(rampValues(100)))
                                << "Not PCM format!";
    QTest::newRow("24-bit") << withFormat(f24, QByteArray(300, '\1')) << "uint16BytesPerSample = 3";
    QTest::newRow("32-bit") << withFormat(f32, QByteArray(400, '\1')) << "uint16BytesPerSample = 4";
    QTest::newRow("0 bits") << withFormat(fZero, QByteArray(100, '\1')) << "Wrong bits per sample!";
    QTest::newRow("data before fmt")
            << riff(data + fmtChunk(Format())) << "No format chunk before data chunk!";
    QTest::newRow("empty data") << withFormat(Format(), QByteArray()) << "uint32SampleCount = 0";
    QTest::newRow("one byte of 16-bit data")
            << withFormat(Format(), QByteArray(1, '\x7f')) << "uint32SampleCount = 0";
    QTest::newRow("fmt shorter than its fields") << shortFormat << "Format chunk too short!";
}

void TestWaveReader::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    QTest::ignoreMessage(QtWarningMsg, message.toUtf8().constData());
    const ReadResult result = readWave(bytes);
    QVERIFY(result.image.isNull());
    QVERIFY(result.closed);
}

void TestWaveReader::endsWithoutData_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray format = fmtChunk(Format());
    QByteArray hugeSkip = chunk("LIST", QByteArray(8, 'x'));
    hugeSkip.replace(4, 4, le32(0xFFFFFFFF));
    QByteArray cutHeader = riff(format + QByteArray("dat"));

    QTest::newRow("fmt only") << riff(format);
    QTest::newRow("fmt and LIST") << riff(format + listChunk());
    QTest::newRow("chunk header cut short") << cutHeader;
    QTest::newRow("chunk size beyond the file") << riff(format + hugeSkip);
    QTest::newRow("nothing after WAVE") << riff(QByteArray());
}

void TestWaveReader::endsWithoutData()
{
    QFETCH(QByteArray, bytes);

    const ReadResult result = readWave(bytes);
    QVERIFY(result.image.isNull());
    QVERIFY(result.peaks.empty());
    QVERIFY(result.closed);
}

void TestWaveReader::chunkLayouts_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray format = fmtChunk(Format());
    const QByteArray data = chunk("data", pcm16(rampValues(1060)));
    const QByteArray odd = chunk("junk", QByteArray("abc"));

    QTest::newRow("LIST before fmt") << riff(listChunk() + format + data);
    QTest::newRow("LIST between fmt and data") << riff(format + listChunk() + data);
    QTest::newRow("odd chunk with pad byte") << riff(odd + format + odd + data);
    QTest::newRow("fmt of 18 bytes") << riff(fmtChunk18(Format()) + data);
    QTest::newRow("chunks after data") << riff(format + data + listChunk());
    Format other;
    other.channels = 2;
    QTest::newRow("later fmt overwrites") << riff(fmtChunk(other) + format + data);
}

void TestWaveReader::chunkLayouts()
{
    QFETCH(QByteArray, bytes);

    const ReadResult plain = readWave(wav16(rampValues(1060)));
    const ReadResult result = readWave(bytes);
    QVERIFY(!plain.image.isNull());
    QVERIFY(samePeaks(result.peaks, plain.peaks));
    QCOMPARE(result.image, plain.image);
}

void TestWaveReader::columnOfValue_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<quint64>("index");
    QTest::addColumn<quint64>("count");
    QTest::addColumn<int>("column");

    QTest::newRow("first value") << 530 << quint64(0) << quint64(1060) << 0;
    QTest::newRow("second value shares column 0") << 530 << quint64(1) << quint64(1060) << 0;
    QTest::newRow("third value starts column 1") << 530 << quint64(2) << quint64(1060) << 1;
    QTest::newRow("last value") << 530 << quint64(1059) << quint64(1060) << 529;
    QTest::newRow("truncates 529.9") << 530 << quint64(5299) << quint64(5300) << 529;
    QTest::newRow("fewer values than columns") << 530 << quint64(1) << quint64(3) << 176;
    QTest::newRow("an hour of stereo")
            << 530 << quint64(317520000 - 1) << quint64(317520000) << 529;
}

void TestWaveReader::columnOfValue()
{
    QFETCH(int, width);
    QFETCH(quint64, index);
    QFETCH(quint64, count);
    QFETCH(int, column);

    QCOMPARE(waveColumn(width, index, count), column);
}

// Values are taken in per column run; each value must still land where the per-value formula
// puts it, for any width, count, channel count and block split.
void TestWaveReader::columnRunsMatchFormula()
{
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const int width = 1 + int(random() % 700);
        const quint32 count = 1 + random() % 3000;
        const quint16 channels = quint16(1 + random() % 2);
        std::vector<qint16> values(count);
        for (auto &v : values)
            v = qint16(random());
        const QByteArray bytes = pcm16(values);

        std::vector<WavePeak> expected(static_cast<size_t>(width));
        for (quint32 i = 0; i < count; i += channels) {
            WavePeak &peak = expected[size_t(waveColumn(width, i, count))];
            peak.min = qMin(peak.min, values[i]);
            peak.max = qMax(peak.max, values[i]);
        }
        CWavePeaks peaks(width, count, channels);
        quint32 offset = 0;
        while (offset < quint32(bytes.size())) {
            const quint32 block = qMin(quint32(bytes.size()) - offset, 2 * (1 + random() % 500));
            peaks.addSigned16(bytes.constData() + offset, block);
            offset += block;
        }
        QVERIFY2(samePeaks(peaks.peaks(), expected),
                 qPrintable(QStringLiteral("width %1 count %2 channels %3")
                                    .arg(width)
                                    .arg(count)
                                    .arg(channels)));
    }
}

void TestWaveReader::monoTakesEveryValue()
{
    const ReadResult result = readWave(wav16(rampValues(1060)));
    QCOMPARE(result.peaks.size(), size_t(530));
    for (int c : {0, 1, 264, 529}) {
        QCOMPARE(result.peaks[size_t(c)].max, qint16(2 * c + 1));
        QCOMPARE(result.peaks[size_t(c)].min, qint16(-(2 * c + 2)));
    }
}

void TestWaveReader::stereoTakesFirstChannelOnly()
{
    const ReadResult result = readWave(wav16(rampValues(1060), 2));
    QCOMPARE(result.peaks.size(), size_t(530));
    for (int c : {0, 1, 264, 529}) {
        QCOMPARE(result.peaks[size_t(c)].max, qint16(2 * c + 1));
        QCOMPARE(result.peaks[size_t(c)].min, qint16(0));
    }
}

void TestWaveReader::otherChannelCountsTakeNothing()
{
    std::vector<qint16> loud(4 * 1000, qint16(-30000));
    const ReadResult result = readWave(wav16(loud, 4));
    QVERIFY(!result.image.isNull());
    for (const WavePeak &peak : result.peaks) {
        QCOMPARE(peak.min, qint16(0));
        QCOMPARE(peak.max, qint16(0));
    }
}

void TestWaveReader::eightBitIsCentredOn128()
{
    Format f;
    f.bits = 8;
    f.channels = 2;
    // Frames (left, right): silence, full scale both ways, then silence only on the left.
    const QByteArray data("\x80\x00\xff\x00\x00\xff\x80\xff", 8);
    const ReadResult result = readWave(withFormat(f, data), 4, 50);
    QCOMPARE(result.peaks.size(), size_t(4));
    QCOMPARE(result.peaks[0].max, qint16(0));
    QCOMPARE(result.peaks[0].min, qint16(0));
    QCOMPARE(result.peaks[1].max, qint16(127 * 256));
    QCOMPARE(result.peaks[2].min, qint16(-32768));
    QCOMPARE(result.peaks[3].max, qint16(0));
    QCOMPARE(result.peaks[3].min, qint16(0));
}

// The declared data size sets the column mapping; the missing tail leaves its columns silent.
void TestWaveReader::shortDataChunkStillDraws()
{
    std::vector<qint16> values(100, qint16(1000));
    QByteArray bytes = riff(fmtChunk(Format()) + QByteArray("data") + le32(400) + pcm16(values));
    const ReadResult result = readWave(bytes, 10, 50);
    QVERIFY(!result.image.isNull());
    QCOMPARE(result.peaks[4].max, qint16(1000));
    QCOMPARE(result.peaks[5].max, qint16(0));
}

// Past 4 GiB (about 6 h 45 min of the decode's stereo) the sizes cannot be told; the data then
// runs to the end of the file.
void TestWaveReader::cappedSizesRunToTheEnd()
{
    HugeWave file;
    CWaveReader reader(64, 50);
    reader.read(&file);
    QVERIFY(!reader.image().isNull());
    const std::vector<WavePeak> peaks = reader.peakPairs();
    QCOMPARE(peaks.front().max, qint16(0));
    QCOMPARE(peaks.back().max, qint16(0x4e20));
}

void TestWaveReader::unknownSizesRunToTheEnd_data()
{
    QTest::addColumn<quint32>("riffSize");
    QTest::addColumn<quint32>("dataSize");
    QTest::addColumn<quint32>("values");

    // What the encoder writes on a pipe or past 4 GiB.
    QTest::newRow("unknown") << 0xffffffffU << 0xffffffffU << 300U;
    // What a writer that caps the sizes at 4 GiB leaves, as small files: the sizes say more
    // than is there, and the file may lie just past 4 GiB, where no size can tell it.
    QTest::newRow("capped") << 0xffffffffU - 8 << 0xffffffffU - 44 << 300U;
    QTest::newRow("told") << 300U * 2 + 36 << 300U * 2 << 300U;
}

void TestWaveReader::unknownSizesRunToTheEnd()
{
    QFETCH(quint32, riffSize);
    QFETCH(quint32, dataSize);
    QFETCH(quint32, values);
    QByteArray bytes = QByteArray("RIFF") + le32(riffSize) + QByteArray("WAVE") + fmtChunk(Format())
            + QByteArray("data") + le32(dataSize);
    bytes += pcm16(std::vector<qint16>(300, 1000));
    QBuffer file(&bytes);
    CWaveReader reader(30, 50);
    reader.read(&file);
    QVERIFY(!reader.image().isNull());
    QCOMPARE(reader.sampleCount(), values);
    QCOMPARE(reader.peakPairs().back().max, qint16(1000));
}

void TestWaveReader::rowOfValue_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("row");

    QTest::newRow("silence") << 0 << 50 << 25;
    // 65534 is twice 32767: full scale reaches the top row exactly.
    QTest::newRow("full scale up") << 32767 << 50 << 0;
    QTest::newRow("one below full scale") << 32766 << 50 << 1;
    QTest::newRow("half scale up") << 16384 << 50 << 13;
    QTest::newRow("half scale down") << -16384 << 50 << 37;
    QTest::newRow("full scale down is below the last row") << -32768 << 50 << 50;
    QTest::newRow("odd height") << 32767 << 51 << 0;
    QTest::newRow("odd height, full scale down") << -32768 << 51 << 50;
    QTest::newRow("height 1") << 32767 << 1 << 0;
}

void TestWaveReader::rowOfValue()
{
    QFETCH(int, value);
    QFETCH(int, height);
    QFETCH(int, row);

    QCOMPARE(waveRow(value, height), row);
}

void TestWaveReader::barsSpanPeakRows_data()
{
    QTest::addColumn<int>("amplitude");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");

    QTest::newRow("full scale") << 32767 << 0 << 50;
    QTest::newRow("half scale") << 16384 << 13 << 37;
}

// Away from the outlines the yellow bar shows pure; beyond them the picture is transparent.
void TestWaveReader::barsSpanPeakRows()
{
    QFETCH(int, amplitude);
    QFETCH(int, top);
    QFETCH(int, bottom);

    std::vector<qint16> values;
    for (int i = 0; i < 80; ++i)
        values.push_back(qint16(i % 2 ? -amplitude : amplitude));
    const QImage image = readWave(wav16(values), 20, 50).image;
    QCOMPARE(image.size(), QSize(20, 50));
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    // The antialiased outlines also cover the row beside each end of the bar.
    for (int y = top + 1; y < bottom - 1; ++y)
        QCOMPARE(image.pixel(10, y), qRgba(255, 255, 0, 255));
    QVERIFY(qAlpha(image.pixel(10, top)) == 255);
    QCOMPARE(paintedPixels(image, 0, top - 2), 0);
    QCOMPARE(paintedPixels(image, qMin(bottom + 1, 50), 49), 0);
}

void TestWaveReader::silentFirstChannelDrawsFlatLine_data()
{
    QTest::addColumn<QByteArray>("bytes");

    std::vector<qint16> rightLoud;
    for (int i = 0; i < 2000; ++i)
        rightLoud.push_back(qint16(i % 2 ? (i % 4 == 1 ? 32767 : -32768) : 0));
    QTest::newRow("stereo, right channel loud") << wav16(rightLoud, 2);
    QTest::newRow("4 channels") << wav16(std::vector<qint16>(4000, qint16(20000)), 4);
    QTest::newRow("silence") << wav16(std::vector<qint16>(1000, qint16(0)));
}

void TestWaveReader::silentFirstChannelDrawsFlatLine()
{
    QFETCH(QByteArray, bytes);

    const QImage image = readWave(bytes).image;
    QCOMPARE(image.size(), QSize(530, 50));
    QVERIFY(paintedPixels(image, 24, 25) >= 530);
    QCOMPARE(paintedPixels(image, 0, 22), 0);
    QCOMPARE(paintedPixels(image, 27, 49), 0);
}

void TestWaveReader::missingFileGivesNullImage()
{
    QFile file(QStringLiteral("/nonexistent/vardel-missing.wav"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("device not open")));
    QTest::ignoreMessage(QtWarningMsg, "Error: file header is not RIFF");
    QVERIFY(CreateWaveImage(&file, 530, 50).isNull());
}

QTEST_GUILESS_MAIN(TestWaveReader)
#include "tst_wavereader.moc"
