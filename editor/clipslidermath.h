#ifndef CLIPSLIDERMATH_H
#define CLIPSLIDERMATH_H

// Seconds <-> pixels of the clip slider and the rules of its pointer, apart from any widget.
// Every conversion to a pixel truncates toward zero, never rounds.
namespace clipslider {

// Pixel of a value, trunc(width / span * (value - rangeMin)); 0 when the range is empty or
// inverted. Values far outside the strip are held to a span that later arithmetic can't overflow.
int pixelOf(double value, double rangeMin, double rangeMax, int width);

// Seconds of a band edge pixel: rangeMin + pixel * (span / width).
double clipSeconds(int pixel, double rangeMin, double rangeMax, int width);

// Seconds of the play line pixel: rangeMin + pixel * span / width.
double positionSeconds(int pixel, double rangeMin, double rangeMax, int width);

// What lies under x, by the first test that holds: the play line within 1 pixel, left of the
// begin edge's grip, the begin edge, inside the band, the end edge, right of everything. Each
// edge's grip straddles the line drawn for it (the band's outer two columns on that side): the
// line, `gripOutside` pixels outside it and as many inside. Where the band is narrow the grips
// reach less far inside, so that its middle third still moves the band whole.
constexpr int gripOutside = 3;
enum class Zone { PlayLine, BeforeBand, BeginEdge, Band, EndEdge, AfterBand };
Zone zoneAt(int x, int positionPixel, int beginPixel, int endPixel);

struct Band
{
    int begin;
    int end;
};

// The band as drawn and grabbed: at least minBandWidth pixels wide, so that a clip narrower than
// that at the current zoom can still be seen and taken. A narrow band widens to the right, or to
// the left at the strip's right end.
constexpr int minBandWidth = 3;
Band drawnBand(Band band, int width);

// One drag step from lastX to x; x is already clamped to the strip, width is w.
Band dragBeginEdge(Band band, int x, int lastX);
Band dragEndEdge(Band band, int x, int lastX, int width);
Band dragWholeBand(Band band, int x, int lastX, int width);

// The pointer x after the limit that the dragged edge imposes on it.
int limitForBeginEdge(int x, Band band);
int limitForEndEdge(int x, Band band);

} // namespace clipslider

#endif
