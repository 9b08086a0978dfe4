#include "loudness.h"

#include <QFile>
#include <QtEndian>

#include "shaping/limiter.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace {

struct Format
{
    int channels = 0;
    long rate = 0;
};

// Finds the format and the data chunk; leaves the file at the first sample.
bool readFormat(QFile &file, Format &format)
{
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return false;
    for (;;) {
        const QByteArray head = file.read(8);
        if (head.size() != 8)
            return false;
        const quint32 size = qFromLittleEndian<quint32>(head.constData() + 4);
        // The samples run to the end of the file, as the encoder writes them.
        if (head.startsWith("data"))
            return format.channels > 0 && format.rate > 0;
        const QByteArray body = file.read((size + 1) & ~quint32(1));
        if (head.startsWith("fmt ") && body.size() >= 16) {
            const quint16 tag = qFromLittleEndian<quint16>(body.constData());
            const quint16 bits = qFromLittleEndian<quint16>(body.constData() + 14);
            if (tag != 1 || bits != 16)
                return false;
            format.channels = qFromLittleEndian<quint16>(body.constData() + 2);
            format.rate = long(qFromLittleEndian<quint32>(body.constData() + 4));
        }
    }
}

using Meter = std::unique_ptr<ebur128_state, void (*)(ebur128_state *)>;

Meter newMeter(const Format &format)
{
    return Meter(ebur128_init(unsigned(format.channels),
                              static_cast<unsigned long>(format.rate),
                              EBUR128_MODE_I),
                 [](ebur128_state *s) { ebur128_destroy(&s); });
}

double meterResult(ebur128_state *state)
{
    double loudness = std::numeric_limits<double>::quiet_NaN();
    if (ebur128_loudness_global(state, &loudness) != EBUR128_SUCCESS)
        return std::numeric_limits<double>::quiet_NaN();
    return loudness;
}

// Planar frames from the limiter, interleaved for the meter.
class LimitedMeter
{
public:
    LimitedMeter(const Format &format, double gain, double ceiling)
        : m_channels(format.channels)
        , m_limiter(format.channels, int(format.rate), gain, ceiling)
        , m_meter(newMeter(format))
        , m_in(size_t(format.channels))
        , m_out(size_t(format.channels))
    { }

    bool valid() const { return bool(m_meter); }

    void add(const qint16 *samples, int frames)
    {
        planes(frames);
        for (int f = 0; f < frames; ++f)
            for (int c = 0; c < m_channels; ++c)
                m_in[size_t(c)][size_t(f)]
                        = qFromLittleEndian(samples[f * m_channels + c]) / 32768.0f;
        measure(m_limiter.process(pointers(m_in).data(), frames, pointers(m_out).data()));
    }

    double finish()
    {
        constexpr int room = 4096;
        planes(room);
        for (int n; (n = m_limiter.drain(pointers(m_out).data(), room)) > 0;)
            measure(n);
        return meterResult(m_meter.get());
    }

private:
    void planes(int frames)
    {
        for (int c = 0; c < m_channels; ++c) {
            m_in[size_t(c)].resize(size_t(frames));
            m_out[size_t(c)].resize(size_t(frames));
        }
    }

    template<typename Planes>
    static std::vector<float *> pointers(Planes &planes)
    {
        std::vector<float *> result;
        for (auto &plane : planes)
            result.push_back(plane.data());
        return result;
    }

    void measure(int frames)
    {
        m_mixed.resize(size_t(frames) * size_t(m_channels));
        for (int f = 0; f < frames; ++f)
            for (int c = 0; c < m_channels; ++c)
                m_mixed[size_t(f * m_channels + c)] = m_out[size_t(c)][size_t(f)];
        ebur128_add_frames_float(m_meter.get(), m_mixed.data(), size_t(frames));
    }

    int m_channels;
    shaping::Limiter m_limiter;
    Meter m_meter;
    std::vector<std::vector<float>> m_in;
    std::vector<std::vector<float>> m_out;
    std::vector<float> m_mixed;
};

} // namespace

double limitedLoudness(
        const QString &wavPath, qint64 firstFrame, qint64 frames, double gain, double ceiling)
{
    constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
    QFile file(wavPath);
    Format format;
    if (!file.open(QIODevice::ReadOnly) || !readFormat(file, format) || format.channels > 8
        || !file.seek(file.pos() + firstFrame * format.channels * 2))
        return notANumber;
    LimitedMeter meter(format, gain, ceiling);
    if (!meter.valid())
        return notANumber;
    std::vector<qint16> samples(size_t(format.channels) * 4096);
    while (frames > 0) {
        const qint64 want = std::min<qint64>(frames, 4096) * format.channels * 2;
        const qint64 got = file.read(reinterpret_cast<char *>(samples.data()), want);
        const int count = int(got / 2 / format.channels);
        if (count <= 0)
            break;
        meter.add(samples.data(), count);
        frames -= count;
    }
    return meter.finish();
}

double integratedLoudness(const QString &wavPath)
{
    constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
    QFile file(wavPath);
    Format format;
    if (!file.open(QIODevice::ReadOnly) || !readFormat(file, format) || format.channels > 8)
        return notANumber;
    const std::unique_ptr<ebur128_state, void (*)(ebur128_state *)> state(
            ebur128_init(unsigned(format.channels),
                         static_cast<unsigned long>(format.rate),
                         EBUR128_MODE_I),
            [](ebur128_state *s) { ebur128_destroy(&s); });
    if (!state)
        return notANumber;
    std::vector<qint16> samples(size_t(format.channels) * 4096);
    for (;;) {
        const qint64 got = file.read(reinterpret_cast<char *>(samples.data()),
                                     qint64(samples.size() * sizeof(qint16)));
        const qint64 frames = got / qint64(sizeof(qint16)) / format.channels;
        if (frames <= 0)
            break;
        for (qint64 i = 0; i < frames * format.channels; ++i)
            samples[size_t(i)] = qFromLittleEndian(samples[size_t(i)]);
        if (ebur128_add_frames_short(state.get(), samples.data(), size_t(frames))
            != EBUR128_SUCCESS)
            return notANumber;
    }
    double loudness = notANumber;
    if (ebur128_loudness_global(state.get(), &loudness) != EBUR128_SUCCESS)
        return notANumber;
    return loudness;
}
