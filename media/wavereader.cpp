#include "wavereader.h"

#include "media/waveimage.h"

#include <QDataStream>
#include <QIODevice>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcWave, "vardel.wave")

namespace {

constexpr quint32 chunkId(const char (&text)[5])
{
    return quint32(uchar(text[0])) | quint32(uchar(text[1])) << 8 | quint32(uchar(text[2])) << 16
            | quint32(uchar(text[3])) << 24;
}

constexpr quint32 riffId = chunkId("RIFF");
constexpr quint32 waveId = chunkId("WAVE");
constexpr quint32 formatId = chunkId("fmt ");
constexpr quint32 dataId = chunkId("data");
constexpr quint32 portionSize = 0x80000;
constexpr quint32 formatFieldsSize = 16;
// A data size this large, or the RIFF size that goes with it, is what the encoder writes when
// it cannot tell the size (past 4 GiB, or on a pipe), as writers that cap it at 4 GiB do too:
// the data runs to the end of the file.
constexpr quint32 unknownDataSize = 0xffffffffu - 44;
constexpr quint32 unknownRiffSize = unknownDataSize + 36;

void report(const QString &text)
{
    qCWarning(lcWave).noquote() << text;
}

// Moves past `bytes` of the stream; false when the stream ends first.
bool skipBytes(QDataStream &stream, qint64 bytes)
{
    return stream.device()->skip(bytes) == bytes;
}

} // namespace

CWaveReader::CWaveReader(int width, int height)
    : width(width)
    , height(height)
{ }

CWaveReader::~CWaveReader() = default;

void CWaveReader::read(QIODevice *device)
{
    peaks.reset();
    waveSummary.reset();
    waveImage = QImage();
    if (width <= 0 || height <= 0) {
        report(QStringLiteral("Wrong image size!"));
        return;
    }
    device->open(QIODevice::ReadOnly);
    QDataStream stream(device);
    stream.setByteOrder(QDataStream::LittleEndian);
    qint64 dataSize = 0;
    if (readHeader(stream) && findData(stream, dataSize) && checkData(dataSize))
        readData(stream, dataSize);
    device->close();
    if (waveSummary)
        waveSummary->finish();
    render();
    if (waveImage.isNull())
        waveSummary.reset();
}

bool CWaveReader::readHeader(QDataStream &stream)
{
    quint32 id = 0;
    stream >> id;
    if (id != riffId) {
        report(QStringLiteral("Error: file header is not RIFF"));
        return false;
    }
    quint32 riffSize = 0;
    stream >> riffSize;
    const qint64 fileSize = stream.device()->size();
    uint32FileSize = quint32(qMin(fileSize, qint64(0xffffffff)));
    fileBytes = fileSize;
    sizesCapped = fileSize - 8 > qint64(0xffffffff) || riffSize >= unknownRiffSize;
    if (qint64(riffSize) + 8 != fileSize && !sizesCapped) {
        report(QStringLiteral("Error: uint32FileSize = %1").arg(fileSize));
        return false;
    }
    quint32 uint32ChunkId = 0;
    stream >> uint32ChunkId;
    if (uint32ChunkId != waveId) {
        report(QStringLiteral("Error: uint32ChunkId = %1").arg(uint32ChunkId));
        return false;
    }
    return true;
}

// Every chunk but the data chunk is left by its declared size, padded to an even count, so a
// format chunk with unusual extra bytes cannot throw the walk off the chunk boundaries.
bool CWaveReader::findData(QDataStream &stream, qint64 &dataSize)
{
    bool formatSeen = false;
    for (;;) {
        quint32 uint32ChunkId = 0;
        quint32 size = 0;
        stream >> uint32ChunkId >> size;
        if (stream.status() != QDataStream::Ok)
            return false;
        if (uint32ChunkId == dataId) {
            if (!formatSeen) {
                report(QStringLiteral("No format chunk before data chunk!"));
                return false;
            }
            const bool toEnd = sizesCapped || size >= unknownDataSize;
            dataSize = toEnd ? fileBytes - stream.device()->pos() : qint64(size);
            return true;
        }
        qint64 skip = qint64(size) + (size & 1);
        if (uint32ChunkId == formatId) {
            if (!readFormat(stream, size))
                return false;
            formatSeen = true;
            skip -= formatFieldsSize;
        }
        if (!skipBytes(stream, skip))
            return false;
    }
}

bool CWaveReader::readFormat(QDataStream &stream, quint32 chunkSize)
{
    stream >> uint16FormatTag;
    if (uint16FormatTag != 1) {
        report(QStringLiteral("Not PCM format!"));
        return false;
    }
    if (chunkSize < formatFieldsSize) {
        report(QStringLiteral("Format chunk too short!"));
        return false;
    }
    stream >> uint16Channels >> uint32SampleRate >> uint32ByteRate >> uint16BlockAlign
            >> uint16BitsPerSample;
    return stream.status() == QDataStream::Ok;
}

bool CWaveReader::checkData(qint64 dataSize)
{
    if (uint16BitsPerSample == 0) {
        report(QStringLiteral("Wrong bits per sample!"));
        return false;
    }
    const quint16 uint16BytesPerSample = (uint16BitsPerSample + 7) / 8;
    if (uint16BytesPerSample > 2) {
        report(QStringLiteral("uint16BytesPerSample = %1").arg(uint16BytesPerSample));
        return false;
    }
    // The count is 32 bits wide: a longer file is drawn up to 8 GiB of data.
    uint32SampleCount = quint32(qMin(dataSize / uint16BytesPerSample, qint64(0xffffffff)));
    if (uint32SampleCount == 0) {
        report(QStringLiteral("uint32SampleCount = 0"));
        return false;
    }
    return true;
}

// One reused buffer, so memory does not grow with the file; a chunk that claims more bytes
// than the file holds is taken in as far as the file goes.
void CWaveReader::readData(QDataStream &stream, qint64 dataSize)
{
    const std::unique_ptr<char[]> buffer(new char[portionSize]);
    const qint64 bytesPerValue = uint16BitsPerSample > 8 ? 2 : 1;
    qint64 remaining = qMin(dataSize, qint64(uint32SampleCount) * bytesPerValue);
    while (remaining > 0) {
        const int wanted = int(qMin(remaining, qint64(portionSize)));
        const int got = stream.readRawData(buffer.get(), wanted);
        if (got <= 0)
            break;
        accumulate(buffer.get(), quint32(got));
        if (got < wanted)
            break;
        remaining -= got;
    }
}

// Sample sizes of 1 to 8 bits are stored as unsigned bytes and 9 to 16 bits as signed 16-bit
// words, so both are drawn by their container; nothing wider gets past checkData.
void CWaveReader::accumulate(const char *data, quint32 bytes)
{
    if (!peaks) {
        peaks = std::make_unique<CWavePeaks>(width, uint32SampleCount, uint16Channels);
        if (summarize)
            waveSummary = std::make_shared<CWaveSummary>(
                    uint32SampleRate, uint16Channels, uint16BitsPerSample, valuesInFile());
    }
    if (portionTaker)
        portionTaker(data, bytes);
    if (uint16BitsPerSample > 8 && uint16BitsPerSample <= 16) {
        peaks->addSigned16(data, bytes);
        if (waveSummary)
            waveSummary->addSigned16(data, bytes);
    } else if (uint16BitsPerSample > 0 && uint16BitsPerSample <= 8) {
        peaks->addUnsigned8(data, bytes);
        if (waveSummary)
            waveSummary->addUnsigned8(data, bytes);
    } else {
        peaks->skip(bytes / 2);
    }
}

// What the data chunk can really hold: a declared size beyond the file's end reserves nothing.
quint32 CWaveReader::valuesInFile() const
{
    const qint64 bytesPerValue = uint16BitsPerSample > 8 ? 2 : 1;
    return quint32(qMin(qint64(uint32SampleCount), fileBytes / bytesPerValue));
}

void CWaveReader::render()
{
    if (peaks)
        waveImage = paintWavePeaks(peaks->peaks(), height);
}

std::vector<WavePeak> CWaveReader::peakPairs() const
{
    return peaks ? peaks->peaks() : std::vector<WavePeak>();
}

QImage CreateWaveImage(QIODevice *file, int width, int height)
{
    CWaveReader reader(width, height);
    reader.read(file);
    return reader.image();
}

WaveOverview ReadWaveOverview(QIODevice *file, int width, int height)
{
    CWaveReader reader(width, height);
    reader.keepSummary();
    reader.read(file);
    return {reader.image(), reader.summary()};
}
