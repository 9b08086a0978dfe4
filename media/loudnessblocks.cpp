#include "loudnessblocks.h"

#include <QtEndian>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// The weight of a channel in the sum, for the channel orders a decoder writes: front left,
// right and centre count once, the low-frequency channel not at all, the surrounds 1.41 times.
double channelWeight(int channel, int channels)
{
    if (channels == 4)
        return channel < 2 ? 1.0 : 1.41;
    if (channels == 5)
        return channel < 3 ? 1.0 : 1.41;
    if (channel < 3)
        return 1.0;
    if (channel == 4 || channel == 5)
        return 1.41;
    return 0.0;
}

// The most blocks, up to ten, that 100 ms divides into evenly.
int partsOf(int stepFrames)
{
    for (int parts : {10, 5, 4, 2})
        if (stepFrames % parts == 0)
            return parts;
    return 1;
}

// Below this a gating block is not sound at all: -70 LUFS.
const double absoluteGate = std::pow(10.0, (-70.0 + 0.691) / 10.0);
// Blocks more than 10 LU under the mean of the sound are left out.
constexpr double relativeGate = 0.1;

} // namespace

LoudnessBlocks::LoudnessBlocks(quint32 sampleRate, quint16 channels)
    : m_rate(sampleRate)
    , m_channels(channels)
    , m_stepFrames(std::max(1, int((sampleRate + 5) / 10)))
    , m_blockParts(partsOf(m_stepFrames))
    , m_blockFrames(m_stepFrames / m_blockParts)
    , m_filters(channels)
    , m_sums(channels)
{
    // The meter's pre-filter (a shelf that lifts the highs by 4 dB) and its high-pass,
    // combined into one fourth-order filter, with the meter's own constants.
    double f0 = 1681.974450955533;
    double gain = 3.999843853973347;
    double q = 0.7071752369554196;
    double k = std::tan(M_PI * f0 / double(std::max(1u, sampleRate)));
    const double vh = std::pow(10.0, gain / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1.0 + k / q + k * k;
    const double pb[3] = {(vh + vb * k / q + k * k) / a0,
                          2.0 * (k * k - vh) / a0,
                          (vh - vb * k / q + k * k) / a0};
    const double pa[3] = {1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
    f0 = 38.13547087602444;
    q = 0.5003270373238773;
    k = std::tan(M_PI * f0 / double(std::max(1u, sampleRate)));
    const double rb[3] = {1.0, -2.0, 1.0};
    const double ra[3] = {1.0,
                          2.0 * (k * k - 1.0) / (1.0 + k / q + k * k),
                          (1.0 - k / q + k * k) / (1.0 + k / q + k * k)};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            m_b[i + j] += pb[i] * rb[j];
            m_a[i + j] += pa[i] * ra[j];
        }
    }
}

float LoudnessBlocks::meanSquare(qint64 block, int channel) const
{
    return m_squares[size_t(block * m_channels + channel)];
}

// Bytes of a frame split between portions wait in m_rest for the rest of it.
void LoudnessBlocks::addSigned16(const char *data, quint64 bytes)
{
    const size_t frameBytes = size_t(m_channels) * 2;
    if (frameBytes == 0)
        return;
    if (!m_rest.empty()) {
        const size_t wanted = std::min<quint64>(frameBytes - m_rest.size(), bytes);
        m_rest.insert(m_rest.end(), data, data + wanted);
        data += wanted;
        bytes -= wanted;
        if (m_rest.size() < frameBytes)
            return;
        takeBytes(m_rest.data(), 1);
        m_rest.clear();
    }
    const quint64 frames = bytes / frameBytes;
    takeBytes(data, frames);
    m_rest.assign(data + frames * frameBytes, data + bytes);
}

void LoudnessBlocks::takeBytes(const char *data, quint64 frames)
{
    constexpr quint64 step = 8192;
    for (quint64 done = 0; done < frames; done += step) {
        const quint64 n = std::min(step, frames - done);
        m_values.resize(size_t(n) * size_t(m_channels));
        qFromLittleEndian<qint16>(
                data + done * 2 * quint64(m_channels), qsizetype(m_values.size()), m_values.data());
        take(m_values.data(), size_t(n));
    }
}

// The filter runs on as one stream over the whole file, in double precision as the meter's.
void LoudnessBlocks::take(const qint16 *values, size_t frames)
{
    size_t at = 0;
    while (at < frames) {
        const size_t n = std::min(frames - at, size_t(m_blockFrames - m_framesIn));
        for (int c = 0; c < m_channels; ++c)
            m_sums[size_t(c)] += filtered(values + at * size_t(m_channels) + c, n, c);
        at += n;
        m_framesIn += int(n);
        if (m_framesIn == m_blockFrames)
            closeBlock();
    }
}

double LoudnessBlocks::filtered(const qint16 *values, size_t frames, int channel)
{
    double *v = m_filters[size_t(channel)].v;
    double sum = 0.0;
    for (size_t i = 0; i < frames; ++i) {
        const qint16 value = values[i * size_t(m_channels)];
        m_openSound |= value != 0;
        const double x = value / 32768.0;
        v[0] = x - m_a[1] * v[1] - m_a[2] * v[2] - m_a[3] * v[3] - m_a[4] * v[4];
        const double y
                = m_b[0] * v[0] + m_b[1] * v[1] + m_b[2] * v[2] + m_b[3] * v[3] + m_b[4] * v[4];
        v[4] = v[3];
        v[3] = v[2];
        v[2] = v[1];
        v[1] = std::abs(v[0]) < DBL_MIN ? 0.0 : v[0];
        sum += y * y;
    }
    return sum;
}

void LoudnessBlocks::closeBlock()
{
    for (int c = 0; c < m_channels; ++c) {
        m_squares.push_back(float(m_sums[size_t(c)] / m_blockFrames));
        m_sums[size_t(c)] = 0.0;
    }
    m_sound.push_back(m_openSound);
    m_openSound = false;
    m_framesIn = 0;
}

void LoudnessBlocks::finish()
{
    m_squares.shrink_to_fit();
    m_sound.shrink_to_fit();
}

// The block whose edge lies nearest to the time.
qint64 LoudnessBlocks::blockAt(qint64 ms) const
{
    return qint64(std::llround(double(ms) * m_rate / 1000.0 / m_blockFrames));
}

double LoudnessBlocks::loudness(qint64 fromMs, qint64 toMs) const
{
    const qint64 first = std::max<qint64>(0, blockAt(fromMs));
    // Only whole steps of 100 ms count, as the stretch measured alone would have them.
    const qint64 frames = qint64(std::floor(double(toMs - fromMs) * m_rate / 1000.0));
    const qint64 count = std::min(blockCount() - first, frames / m_stepFrames * m_blockParts);
    if (count < 4 * m_blockParts)
        return -HUGE_VAL;
    // Running sums over the stretch's blocks: of the weighted mean squares, and of the blocks
    // with sound.
    std::vector<double> energy(size_t(count) + 1);
    std::vector<qint64> sound(size_t(count) + 1);
    for (qint64 i = 0; i < count; ++i) {
        double sum = 0.0;
        for (int c = 0; c < m_channels; ++c)
            sum += channelWeight(c, m_channels) * double(meanSquare(first + i, c));
        energy[size_t(i) + 1] = energy[size_t(i)] + sum;
        sound[size_t(i) + 1] = sound[size_t(i)] + m_sound[size_t(first + i)];
    }
    const qint64 span = 4 * m_blockParts;
    std::vector<double> gated;
    for (qint64 b = 0; b + span <= count; b += m_blockParts) {
        const double z = (energy[size_t(b + span)] - energy[size_t(b)]) / double(span);
        if (sound[size_t(b + span)] != sound[size_t(b)] && z > absoluteGate)
            gated.push_back(z);
    }
    if (gated.empty())
        return -HUGE_VAL;
    double mean = 0.0;
    for (double z : gated)
        mean += z;
    const double threshold = mean / double(gated.size()) * relativeGate;
    double sum = 0.0;
    size_t kept = 0;
    for (double z : gated) {
        if (z >= threshold) {
            sum += z;
            ++kept;
        }
    }
    return -0.691 + 10.0 * std::log10(sum / double(kept));
}
