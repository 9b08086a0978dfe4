#ifndef WAVEREADER_H
#define WAVEREADER_H

#include "media/wavepeaks.h"
#include "media/wavesummary.h"

#include <QImage>

#include <functional>
#include <memory>

class QDataStream;
class QIODevice;

// Reads a RIFF/WAVE file once and turns its first channel into a waveform picture of a fixed
// size. Refusals go to the debug output and leave the image null.
class CWaveReader
{
public:
    CWaveReader(int width, int height);
    ~CWaveReader();
    CWaveReader(const CWaveReader &) = delete;
    CWaveReader &operator=(const CWaveReader &) = delete;

    // Also keep a summary of the whole file while reading; off by default, as it costs memory
    // that grows with the file's length.
    void keepSummary() { summarize = true; }
    std::shared_ptr<const CWaveSummary> summary() const { return waveSummary; }

    // Also hands every block of raw sample data, as read, to `portion`.
    void passPortions(std::function<void(const char *data, quint32 bytes)> portion)
    {
        portionTaker = std::move(portion);
    }

    // Opens the unopened device read-only, takes in its samples and renders the image.
    void read(QIODevice *device);
    QImage image() const { return waveImage; }

    // One block of raw sample data of the current data chunk.
    void accumulate(const char *data, quint32 bytes);
    // Paints the peaks taken in so far; does nothing before the first block.
    void render();

    quint16 channels() const { return uint16Channels; }
    quint32 sampleRate() const { return uint32SampleRate; }
    quint32 sampleCount() const { return uint32SampleCount; }
    quint16 bitsPerSample() const { return uint16BitsPerSample; }
    // Empty before the first block of sample data.
    std::vector<WavePeak> peakPairs() const;

private:
    bool readHeader(QDataStream &stream);
    bool findData(QDataStream &stream, qint64 &dataSize);
    bool readFormat(QDataStream &stream, quint32 chunkSize);
    bool checkData(qint64 dataSize);
    void readData(QDataStream &stream, qint64 dataSize);
    quint32 valuesInFile() const;

    int width;
    int height;
    QImage waveImage;
    quint16 uint16Channels = 0;
    quint32 uint32SampleCount = 0;
    quint32 uint32FileSize = 0;
    // Past 4 GiB the RIFF sizes cannot be told: the data then runs to the end of the file.
    bool sizesCapped = false;
    qint64 fileBytes = 0;
    quint32 uint32SampleRate = 0;
    quint32 uint32ByteRate = 0;
    quint16 uint16FormatTag = 0;
    quint16 uint16BitsPerSample = 0;
    quint16 uint16BlockAlign = 0;
    std::unique_ptr<CWavePeaks> peaks;
    bool summarize = false;
    std::shared_ptr<CWaveSummary> waveSummary;
    std::function<void(const char *, quint32)> portionTaker;
};

// The waveform of a WAV file at width x height, or a null image when it cannot be taken in.
QImage CreateWaveImage(QIODevice *file, int width, int height);

struct WaveOverview
{
    QImage image;
    std::shared_ptr<const CWaveSummary> summary;
};

// The picture CreateWaveImage draws, and a summary that draws any other stretch of the file;
// both null when the file cannot be taken in.
WaveOverview ReadWaveOverview(QIODevice *file, int width, int height);

#endif
