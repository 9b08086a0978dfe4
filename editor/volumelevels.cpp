#include "volumelevels.h"

#include "shaping/limiter.h"

#include <cmath>

int encoderVolume(int position)
{
    const int s = position > 100 ? 4 * position - 300 : position;
    return s * 256 / 100;
}

double volumeGain(int position)
{
    return encoderVolume(position) / 256.0;
}

QString gainText(int position)
{
    const double tenths = std::round(volumeGain(position) * 10.0);
    if (std::fmod(tenths, 10.0) == 0.0)
        return QString::number(int(tenths / 10.0));
    return QString::number(tenths / 10.0, 'f', 1);
}

int evenLoudnessPosition(double loudness, double target, int current)
{
    if (!std::isfinite(loudness))
        return current;
    const double wanted = std::pow(10.0, (target - loudness) / 20.0);
    // The positions a drag reaches, trunc(200 k / 129); gains rise with k.
    int best = 0;
    for (int k = 0; k <= 128; ++k) {
        const int position = 200 * k / 129;
        if (volumeGain(position) <= wanted)
            best = position;
    }
    return best;
}

double loudnessAt(double loudness, int position)
{
    return loudness + 20.0 * std::log10(volumeGain(position));
}

bool limiterWorks(int peak, int position)
{
    return peak / 32768.0 * encoderVolume(position) / 256.0 > shaping::Limiter::Ceiling;
}
