#include "wavepeaks.h"

#include <QtEndian>

#include <algorithm>

int waveColumn(int width, quint64 index, quint64 count)
{
    return int(double(width) * double(index) / double(count));
}

CWavePeaks::CWavePeaks(int width, quint32 count, quint16 channels)
    : m_peaks(size_t(qMax(width, 0)))
    , m_count(count)
    , m_channels(channels)
{ }

// First running index whose column lies beyond `column`. The integer estimate is corrected
// against waveColumn itself, so the column runs agree with the per-value formula exactly.
quint64 CWavePeaks::nextColumnStart(int column) const
{
    const int width = int(m_peaks.size());
    const quint64 target = quint64(column) + 1;
    quint64 start = (target * m_count + quint64(width) - 1) / quint64(width);
    while (start > 0 && waveColumn(width, start - 1, m_count) > column)
        --start;
    while (start < m_count && waveColumn(width, start, m_count) <= column)
        ++start;
    return start;
}

// Only mono and the first channel of stereo are drawn; other layouts only advance the index.
template<typename Sample>
void CWavePeaks::add(const char *data, quint32 values, Sample sample)
{
    const int width = int(m_peaks.size());
    if (width == 0 || m_count == 0 || (m_channels != 1 && m_channels != 2)) {
        m_index += values;
        return;
    }
    const quint64 first = m_index;
    const quint64 end = first + values;
    const quint64 step = m_channels;
    quint64 index = first;
    while (index < end) {
        const int column = qMin(waveColumn(width, index, m_count), width - 1);
        const quint64 stop = qMin(end, qMax(nextColumnStart(column), index + 1));
        WavePeak &peak = m_peaks[size_t(column)];
        int low = peak.min;
        int high = peak.max;
        for (quint64 i = index + (index % step); i < stop; i += step) {
            const int v = sample(data, i - first);
            low = std::min(low, v);
            high = std::max(high, v);
        }
        peak.min = qint16(low);
        peak.max = qint16(high);
        index = stop;
    }
    m_index = end;
}

void CWavePeaks::addSigned16(const char *data, quint32 bytes)
{
    add(data, bytes / 2, [](const char *d, quint64 i) {
        return int(qFromLittleEndian<qint16>(d + 2 * i));
    });
}

void CWavePeaks::addUnsigned8(const char *data, quint32 bytes)
{
    add(data, bytes, [](const char *d, quint64 i) { return (int(uchar(d[i])) - 128) * 256; });
}
