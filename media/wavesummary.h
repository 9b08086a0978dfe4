#ifndef WAVESUMMARY_H
#define WAVESUMMARY_H

#include "media/wavepeaks.h"

#include <QImage>

#include <vector>

// Extremes of one block of frames: the drawn channel's lowest and highest value (the first
// channel of mono or stereo; 0 for other layouts) and the highest magnitude over all channels.
struct WaveBlock
{
    qint16 min = 0;
    qint16 max = 0;
    quint16 peak = 0;
};

// A compact summary of a whole WAV kept in memory, so any stretch of it can be drawn without
// reading the file again. The finest level holds one block per 1 KiB of sample data; each
// coarser level one block per 16 blocks of the level below. Together they take about 1/160 of
// the data's size.
class CWaveSummary
{
public:
    static constexpr int blockBytes = 1024;
    static constexpr int fanOut = 16;

    // reserveValues: the sample values the data chunk declares, all channels together.
    CWaveSummary(quint32 sampleRate,
                 quint16 channels,
                 quint16 bitsPerSample,
                 quint64 reserveValues);

    // Signed 16-bit little-endian values; a trailing odd byte is ignored.
    void addSigned16(const char *data, quint32 bytes);
    // Unsigned 8-bit values, centred on 128 and brought to the 16-bit scale.
    void addUnsigned8(const char *data, quint32 bytes);
    // Closes the last, partial block and builds the coarse levels.
    void finish();

    quint32 sampleRate() const { return m_rate; }
    quint64 frames() const;
    double duration() const;
    int framesPerBlock() const { return m_blockFrames; }
    int levelCount() const { return int(m_levels.size()); }
    const std::vector<WaveBlock> &level(int index) const { return m_levels[size_t(index)]; }
    // Bytes held, the object itself included.
    size_t memoryBytes() const;

    // One min/max pair per column for the stretch from..to seconds at `width` columns. Each
    // column covers whole blocks, so it may reach up to one block into its neighbours; both
    // ends start at silence, as in the whole-file picture.
    std::vector<WavePeak> viewPeaks(double from, double to, int width) const;
    // Highest magnitude of any sample of any channel from..to seconds, 0 .. 32768. Never below
    // the truth: whole blocks are read, so up to one block beyond each end may count.
    int peak(double from, double to) const;

private:
    template<typename Decode>
    void add(const char *data, quint64 values, int bytesPerValue, Decode decode);
    void takeValue(int value);
    void closeBlock();
    qint64 frameAt(double seconds) const;
    WaveBlock extremes(quint64 firstBlock, quint64 endBlock) const;

    quint32 m_rate;
    quint16 m_channels;
    int m_blockFrames;
    quint64 m_values = 0;
    std::vector<std::vector<WaveBlock>> m_levels;
    // The block being filled, value by value, when a portion does not start on a block.
    WaveBlock m_open;
    int m_openValues = 0;
    bool m_openEmpty = true;
};

// The summary's view as a picture, drawn like the whole-file waveform.
QImage paintWaveView(const CWaveSummary &summary, double from, double to, int width, int height);

#endif
