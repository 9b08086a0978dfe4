#include "volumeslidermath.h"

namespace volumeslider {

int trackLeft(int width)
{
    return (width - trackWidth) / 2;
}

int thumbX(double position, int width)
{
    if (!(rangeMin < rangeMax))
        return 0;
    return int(trackWidth / (rangeMax - rangeMin) * position + trackLeft(width));
}

double positionAt(int x, int width)
{
    return (rangeMax - rangeMin) * (1.0 / trackWidth) * (x - trackLeft(width));
}

int clampToTrack(int x, int width)
{
    const int left = trackLeft(width);
    const int right = left + trackWidth - 1;
    return x < left ? left : (x > right ? right : x);
}

int snapToMiddle(int x, int width)
{
    const int c = width / 2;
    return (c - 4 < x && x < c + 4) ? c : x;
}

bool showsStrongPlus(double position)
{
    return !(position < 101);
}

} // namespace volumeslider
