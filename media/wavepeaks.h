#ifndef WAVEPEAKS_H
#define WAVEPEAKS_H

#include <QtGlobal>

#include <vector>

// Lowest and highest sample value that fell into one pixel column.
struct WavePeak
{
    qint16 max = 0;
    qint16 min = 0;
};

// Column of the sample value with running index `index` among `count` values:
// width * index / count in floating point, truncated toward zero.
int waveColumn(int width, quint64 index, quint64 count);

// Reduces a stream of interleaved samples to one min/max pair per column. Both ends of each
// pair start at silence, so every column's range includes the centre line.
class CWavePeaks
{
public:
    // count: sample values of the whole data chunk, all channels together.
    CWavePeaks(int width, quint32 count, quint16 channels);

    // Signed 16-bit little-endian values; a trailing odd byte is ignored.
    void addSigned16(const char *data, quint32 bytes);
    // Unsigned 8-bit values, centred on 128 and brought to the 16-bit scale.
    void addUnsigned8(const char *data, quint32 bytes);
    // Advances the running index without taking values in.
    void skip(quint32 values) { m_index += values; }

    const std::vector<WavePeak> &peaks() const { return m_peaks; }
    quint64 index() const { return m_index; }

private:
    template<typename MinMax>
    void add(const char *data, quint32 values, int bytesPerValue, MinMax minMax);
    quint64 nextColumnStart(int column) const;

    std::vector<WavePeak> m_peaks;
    quint32 m_count;
    quint16 m_channels;
    quint64 m_index = 0;
};

#endif
