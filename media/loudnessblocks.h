#ifndef LOUDNESSBLOCKS_H
#define LOUDNESSBLOCKS_H

#include <QtGlobal>

#include <algorithm>
#include <vector>

// The K-weighted mean square of every channel over each short block of a whole file, taken in
// while the file is read once. The gated loudness of a stretch follows from them as a loudness
// meter measures the stretch alone: its gating blocks of 400 ms, 100 ms apart, are sums of
// whole blocks. The blocks are a tenth of those 100 ms where the frames divide so (10 ms at
// 44.1 kHz), so that a stretch starting anywhere is met within 5 ms; 100-ms blocks would shift
// a clip's gating by up to 50 ms, a quarter of a decibel on a one-second clip.
class LoudnessBlocks
{
public:
    LoudnessBlocks(quint32 sampleRate, quint16 channels);

    // Interleaved signed 16-bit little-endian values, in portions of any size.
    void addSigned16(const char *data, quint64 bytes);
    // The last, partial block is dropped, as a meter drops it.
    void finish();

    quint32 sampleRate() const { return m_rate; }
    int channels() const { return m_channels; }
    // Frames in a block; the meter's 100 ms hold a whole number of blocks.
    int framesPerBlock() const { return m_blockFrames; }
    qint64 blockCount() const { return qint64(m_squares.size()) / std::max(1, m_channels); }
    // Channel c's mean square over block i.
    float meanSquare(qint64 block, int channel) const;
    size_t memoryBytes() const
    {
        return m_squares.capacity() * sizeof(float) + m_sound.capacity() + sizeof(*this);
    }

    // Integrated loudness in LUFS of the stretch from..to milliseconds, each end taken to the
    // nearest block edge; minus infinity for silence or a stretch of less than 400 ms.
    double loudness(qint64 fromMs, qint64 toMs) const;

private:
    struct Filter
    {
        double v[5] = {};
    };

    void takeBytes(const char *data, quint64 frames);
    void take(const qint16 *values, size_t frames);
    double filtered(const qint16 *values, size_t frames, int channel);
    void closeBlock();
    qint64 blockAt(qint64 ms) const;

    quint32 m_rate;
    int m_channels;
    int m_stepFrames; // the meter's 100 ms
    int m_blockParts; // blocks in 100 ms
    int m_blockFrames;
    double m_b[5] = {};
    double m_a[5] = {};
    std::vector<Filter> m_filters;
    std::vector<double> m_sums; // the open block's sums of squares, per channel
    int m_framesIn = 0; // frames in the open block
    bool m_openSound = false; // a value of the open block is not 0
    std::vector<float> m_squares; // per block, per channel
    // Per block, whether any value is not 0: digital silence after sound measures as silence,
    // as on its own, not as the filter's last ringing.
    std::vector<char> m_sound;
    std::vector<qint16> m_values; // a portion's values, in host order
    std::vector<char> m_rest; // bytes of a frame split between portions
};

#endif
