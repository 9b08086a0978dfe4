#include "volumelevels.h"

#include "shaping/limiter.h"

int encoderVolume(int position)
{
    const int s = position > 100 ? 4 * position - 300 : position;
    return s * 256 / 100;
}

int previewHundredths(int position)
{
    return position > 100 ? 4 * position - 292 : position;
}

// Whole factors from 1 up, one truncated decimal below.
QString previewFactorText(int position)
{
    const int v = previewHundredths(position);
    return v >= 100 ? QString::asprintf("%d", v / 100) : QString::asprintf("%.1f", (v / 10) * 0.1);
}

bool limiterWorks(int peak, int position)
{
    return peak / 32768.0 * encoderVolume(position) / 256.0 > shaping::Limiter::Ceiling;
}
