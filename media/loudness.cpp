#include "loudness.h"

#include <QFile>
#include <QtEndian>

#include <ebur128.h>

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

} // namespace

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
