#include "clipslidermath.h"

#include <QtGlobal>

#include <cmath>

namespace clipslider {

namespace {
constexpr double pixelLimit = 1 << 28;
}

int pixelOf(double value, double rangeMin, double rangeMax, int width)
{
    if (!(rangeMin < rangeMax))
        return 0;
    const double scale = width / (rangeMax - rangeMin);
    const double pixel = scale * (value - rangeMin);
    if (std::isnan(pixel))
        return 0;
    if (pixel > pixelLimit)
        return int(pixelLimit);
    if (pixel < -pixelLimit)
        return -int(pixelLimit);
    return int(pixel);
}

double clipSeconds(int pixel, double rangeMin, double rangeMax, int width)
{
    const double step = (rangeMax - rangeMin) / width;
    return rangeMin + pixel * step;
}

double positionSeconds(int pixel, double rangeMin, double rangeMax, int width)
{
    return rangeMin + pixel * (rangeMax - rangeMin) / width;
}

Zone zoneAt(int x, int positionPixel, int beginPixel, int endPixel)
{
    if (positionPixel - 2 < x && x < positionPixel + 2)
        return Zone::PlayLine;
    // Each edge's line is the band's outer two columns; a narrow band keeps its middle third
    // for moving it whole.
    const int reach = qBound(0, (endPixel - beginPixel - 2) / 3, gripOutside + 1);
    if (x < beginPixel - gripOutside)
        return Zone::BeforeBand;
    if (x <= beginPixel + reach)
        return Zone::BeginEdge;
    if (x < endPixel - 1 - reach)
        return Zone::Band;
    if (x < endPixel + gripOutside)
        return Zone::EndEdge;
    return Zone::AfterBand;
}

Band drawnBand(Band band, int width)
{
    if (band.end - band.begin >= minBandWidth)
        return band;
    band.end = band.begin + minBandWidth;
    if (band.end > width && width >= minBandWidth) {
        band.end = width;
        band.begin = width - minBandWidth;
    }
    return band;
}

int limitForBeginEdge(int x, Band band)
{
    return x > band.end ? band.end : x;
}

int limitForEndEdge(int x, Band band)
{
    return x < band.begin ? band.begin : x;
}

Band dragBeginEdge(Band band, int x, int lastX)
{
    band.begin += x - lastX;
    if (band.begin < 0)
        band.begin = 0;
    else if (band.begin > band.end)
        band.begin = band.end;
    return band;
}

Band dragEndEdge(Band band, int x, int lastX, int width)
{
    band.end += x - lastX;
    if (band.end < band.begin)
        band.end = band.begin;
    else if (band.end > width - 1)
        band.end = width - 1;
    return band;
}

// The band keeps its width in pixels when it meets either side.
Band dragWholeBand(Band band, int x, int lastX, int width)
{
    const int length = band.end - band.begin;
    const int d = x - lastX;
    band.begin += d;
    band.end += d;
    if (band.begin < 0) {
        band.begin = 0;
        band.end = length;
    } else if (band.end > width - 1) {
        band.end = width - 1;
        band.begin = width - 1 - length;
    }
    return band;
}

} // namespace clipslider
