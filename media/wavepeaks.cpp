#include "wavepeaks.h"

#include <QtEndian>

#include <algorithm>

#if defined(__SSE2__) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
#include <emmintrin.h>
#define WAVEPEAKS_SSE2
#endif

namespace {

// Lowest and highest of the values 0, stride, 2 * stride, ... among `count` contiguous
// little-endian 16-bit values. Sixteen values go through at a time; for stereo the lanes of the
// second channel are computed too and simply not looked at.
void minMaxSigned16(const char *data, quint64 count, quint64 stride, int &low, int &high)
{
    quint64 i = 0;
#ifdef WAVEPEAKS_SSE2
    if (count >= 16) {
        __m128i lows = _mm_set1_epi16(qint16(low));
        __m128i highs = _mm_set1_epi16(qint16(high));
        __m128i lows2 = lows;
        __m128i highs2 = highs;
        const auto load = [data](quint64 at) {
            return _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + 2 * at));
        };
        for (; i + 16 <= count; i += 16) {
            const __m128i a = load(i);
            const __m128i b = load(i + 8);
            lows = _mm_min_epi16(lows, a);
            highs = _mm_max_epi16(highs, a);
            lows2 = _mm_min_epi16(lows2, b);
            highs2 = _mm_max_epi16(highs2, b);
        }
        lows = _mm_min_epi16(lows, lows2);
        highs = _mm_max_epi16(highs, highs2);
        alignas(16) qint16 laneLows[8];
        alignas(16) qint16 laneHighs[8];
        _mm_store_si128(reinterpret_cast<__m128i *>(laneLows), lows);
        _mm_store_si128(reinterpret_cast<__m128i *>(laneHighs), highs);
        for (quint64 lane = 0; lane < 8; lane += stride) {
            low = std::min(low, int(laneLows[lane]));
            high = std::max(high, int(laneHighs[lane]));
        }
    }
#endif
    for (; i < count; i += stride) {
        const int v = qFromLittleEndian<qint16>(data + 2 * i);
        low = std::min(low, v);
        high = std::max(high, v);
    }
}

void minMaxUnsigned8(const char *data, quint64 count, quint64 stride, int &low, int &high)
{
    for (quint64 i = 0; i < count; i += stride) {
        const int v = (int(uchar(data[i])) - 128) * 256;
        low = std::min(low, v);
        high = std::max(high, v);
    }
}

} // namespace

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
template<typename MinMax>
void CWavePeaks::add(const char *data, quint32 values, int bytesPerValue, MinMax minMax)
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
        const quint64 used = index + (index % step);
        if (used < stop)
            minMax(data + (used - first) * bytesPerValue, stop - used, step, low, high);
        peak.min = qint16(low);
        peak.max = qint16(high);
        index = stop;
    }
    m_index = end;
}

void CWavePeaks::addSigned16(const char *data, quint32 bytes)
{
    add(data, bytes / 2, 2, minMaxSigned16);
}

void CWavePeaks::addUnsigned8(const char *data, quint32 bytes)
{
    add(data, bytes, 1, minMaxUnsigned8);
}
