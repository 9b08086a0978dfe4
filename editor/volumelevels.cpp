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

bool limiterWorks(int peak, int position)
{
    return peak / 32768.0 * encoderVolume(position) / 256.0 > shaping::Limiter::Ceiling;
}
