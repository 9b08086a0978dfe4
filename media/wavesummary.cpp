#include "wavesummary.h"

#include "media/waveimage.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

#if defined(__SSE2__) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
#include <emmintrin.h>
#define WAVESUMMARY_SSE2
#endif

namespace {

struct Extremes
{
    int min0 = 32767; // the first channel
    int max0 = -32768;
    int minAll = 32767; // every channel
    int maxAll = -32768;
};

void takeIn(Extremes &e, int v, bool firstChannel)
{
    if (firstChannel) {
        e.min0 = std::min(e.min0, v);
        e.max0 = std::max(e.max0, v);
    }
    e.minAll = std::min(e.minAll, v);
    e.maxAll = std::max(e.maxAll, v);
}

// Extremes of `count` contiguous little-endian 16-bit values of mono or stereo frames; for
// stereo the even lanes are the first channel.
Extremes extremes16(const char *data, quint64 count, int channels)
{
    Extremes e;
    quint64 i = 0;
#ifdef WAVESUMMARY_SSE2
    if (count >= 8) {
        __m128i lows = _mm_set1_epi16(32767);
        __m128i highs = _mm_set1_epi16(-32768);
        for (; i + 8 <= count; i += 8) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + 2 * i));
            lows = _mm_min_epi16(lows, v);
            highs = _mm_max_epi16(highs, v);
        }
        alignas(16) qint16 laneLows[8];
        alignas(16) qint16 laneHighs[8];
        _mm_store_si128(reinterpret_cast<__m128i *>(laneLows), lows);
        _mm_store_si128(reinterpret_cast<__m128i *>(laneHighs), highs);
        for (int lane = 0; lane < 8; ++lane) {
            takeIn(e, laneLows[lane], lane % channels == 0);
            takeIn(e, laneHighs[lane], lane % channels == 0);
        }
    }
#endif
    for (; i < count; ++i)
        takeIn(e, qFromLittleEndian<qint16>(data + 2 * i), i % quint64(channels) == 0);
    return e;
}

WaveBlock blockOf(const Extremes &e, bool drawn)
{
    WaveBlock block;
    if (drawn && e.min0 <= e.max0) {
        block.min = qint16(e.min0);
        block.max = qint16(e.max0);
    }
    if (e.minAll <= e.maxAll)
        block.peak = quint16(std::max(std::abs(e.minAll), std::abs(e.maxAll)));
    return block;
}

void merge(WaveBlock &into, const WaveBlock &block)
{
    into.min = std::min(into.min, block.min);
    into.max = std::max(into.max, block.max);
    into.peak = std::max(into.peak, block.peak);
}

} // namespace

CWaveSummary::CWaveSummary(quint32 sampleRate,
                           quint16 channels,
                           quint16 bitsPerSample,
                           quint64 reserveValues)
    : m_rate(sampleRate)
    , m_channels(channels)
{
    const int frameBytes = std::max(1, int(channels)) * (bitsPerSample > 8 ? 2 : 1);
    m_blockFrames = std::max(1, blockBytes / frameBytes);
    m_levels.emplace_back();
    // Reserved once, so a long file never leaves the level at twice the size it needs.
    const quint64 blockValues = quint64(m_blockFrames) * std::max(1, int(channels));
    m_levels[0].reserve(size_t((reserveValues + blockValues - 1) / blockValues));
}

quint64 CWaveSummary::frames() const
{
    return m_channels == 0 ? 0 : m_values / m_channels;
}

double CWaveSummary::duration() const
{
    return m_rate == 0 ? 0.0 : double(frames()) / m_rate;
}

size_t CWaveSummary::memoryBytes() const
{
    size_t bytes = sizeof(*this);
    for (const std::vector<WaveBlock> &level : m_levels)
        bytes += level.capacity() * sizeof(WaveBlock);
    return bytes;
}

void CWaveSummary::takeValue(int value)
{
    const bool first = m_openValues % m_channels == 0;
    if (first && m_channels <= 2) {
        m_open.min = m_openEmpty ? qint16(value) : std::min(m_open.min, qint16(value));
        m_open.max = m_openEmpty ? qint16(value) : std::max(m_open.max, qint16(value));
        m_openEmpty = false;
    }
    m_open.peak = std::max(m_open.peak, quint16(std::abs(value)));
    if (++m_openValues == m_blockFrames * m_channels)
        closeBlock();
}

void CWaveSummary::closeBlock()
{
    m_levels[0].push_back(m_open);
    m_open = WaveBlock();
    m_openValues = 0;
    m_openEmpty = true;
}

// Whole blocks that start on a block boundary go through in one vector pass; the rest, and
// every other layout, value by value.
void CWaveSummary::addSigned16(const char *data, quint32 bytes)
{
    const quint64 values = bytes / 2;
    if (m_channels == 0)
        return;
    const quint64 blockValues = quint64(m_blockFrames) * m_channels;
    const bool vector = m_channels <= 2;
    quint64 i = 0;
    while (i < values) {
        if (vector && m_openValues == 0 && values - i >= blockValues) {
            const Extremes e = extremes16(data + 2 * i, blockValues, m_channels);
            m_levels[0].push_back(blockOf(e, true));
            i += blockValues;
        } else {
            takeValue(qFromLittleEndian<qint16>(data + 2 * i));
            ++i;
        }
    }
    m_values += values;
}

void CWaveSummary::addUnsigned8(const char *data, quint32 bytes)
{
    if (m_channels == 0)
        return;
    for (quint32 i = 0; i < bytes; ++i)
        takeValue((int(uchar(data[i])) - 128) * 256);
    m_values += bytes;
}

void CWaveSummary::finish()
{
    if (m_openValues > 0)
        closeBlock();
    m_levels.resize(1);
    m_levels[0].shrink_to_fit();
    while (m_levels.back().size() > 1) {
        const std::vector<WaveBlock> &below = m_levels.back();
        std::vector<WaveBlock> above((below.size() + fanOut - 1) / fanOut);
        for (size_t i = 0; i < below.size(); ++i) {
            if (i % fanOut == 0)
                above[i / fanOut] = below[i];
            else
                merge(above[i / fanOut], below[i]);
        }
        m_levels.push_back(std::move(above));
    }
}

qint64 CWaveSummary::frameAt(double seconds) const
{
    const double frame = std::floor(seconds * m_rate);
    if (!(frame > 0))
        return 0;
    return qint64(std::min(frame, double(frames())));
}

// Blocks firstBlock .. endBlock - 1 of the finest level, read from the coarsest levels that
// cover them whole: at most 2 * (fanOut - 1) blocks a level.
WaveBlock CWaveSummary::extremes(quint64 firstBlock, quint64 endBlock) const
{
    WaveBlock result {32767, -32768, 0};
    bool any = false;
    const auto take = [&](int level, quint64 i) {
        merge(result, m_levels[size_t(level)][size_t(i)]);
        any = true;
    };
    endBlock = std::min<quint64>(endBlock, m_levels[0].size());
    for (int level = 0; firstBlock < endBlock; ++level) {
        if (level + 1 == levelCount()) {
            for (quint64 i = firstBlock; i < endBlock; ++i)
                take(level, i);
            break;
        }
        while (firstBlock < endBlock && firstBlock % fanOut != 0)
            take(level, firstBlock++);
        while (endBlock > firstBlock && endBlock % fanOut != 0)
            take(level, --endBlock);
        firstBlock /= fanOut;
        endBlock /= fanOut;
    }
    return any ? result : WaveBlock();
}

std::vector<WavePeak> CWaveSummary::viewPeaks(double from, double to, int width) const
{
    std::vector<WavePeak> columns(size_t(std::max(width, 0)));
    if (width <= 0 || !(from < to) || m_levels[0].empty())
        return columns;
    const double first = from * m_rate;
    const double perColumn = (to - from) * m_rate / width;
    const auto frameOf = [this](double frame) {
        return frame > 0 ? quint64(std::min(frame, double(frames()))) : quint64(0);
    };
    const quint64 blockFrames = quint64(m_blockFrames);
    for (int x = 0; x < width; ++x) {
        const quint64 a = frameOf(std::floor(first + x * perColumn));
        const quint64 b = std::max(frameOf(std::floor(first + (x + 1) * perColumn)), a + 1);
        if (a >= frames())
            break;
        const WaveBlock e = extremes(a / blockFrames, (b + blockFrames - 1) / blockFrames);
        columns[size_t(x)].min = std::min<qint16>(0, e.min);
        columns[size_t(x)].max = std::max<qint16>(0, e.max);
    }
    return columns;
}

int CWaveSummary::peak(double from, double to) const
{
    if (m_levels[0].empty() || !(from < to))
        return 0;
    const quint64 a = quint64(frameAt(from));
    const quint64 b = quint64(std::ceil(std::clamp(to * m_rate, 0.0, double(frames()))));
    if (a >= b)
        return 0;
    const quint64 blockFrames = quint64(m_blockFrames);
    return extremes(a / blockFrames, (b + blockFrames - 1) / blockFrames).peak;
}

QImage paintWaveView(const CWaveSummary &summary, double from, double to, int width, int height)
{
    return paintWavePeaks(summary.viewPeaks(from, to, width), height);
}
