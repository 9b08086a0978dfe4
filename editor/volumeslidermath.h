#ifndef VOLUMESLIDERMATH_H
#define VOLUMESLIDERMATH_H

// Position <-> thumb of the volume slider. The track is 129 pixels wide whatever the widget's
// width, so the user reaches trunc(200 * k / 129) for k = 0 .. 128: 0, 1, 3, ... 196, 198.
namespace volumeslider {

constexpr int trackWidth = 129;
constexpr int trackHeight = 13;
constexpr double rangeMin = 0.0;
constexpr double rangeMax = 200.0;

// Left edge of the track, centred in a widget `width` pixels wide (truncating).
int trackLeft(int width);

// x of the thumb's centre line for a position, truncated.
int thumbX(double position, int width);

// Position of a thumb standing at x, as a double.
double positionAt(int x, int width);

// x after the clamp to the track and, while dragging, the snap to the middle within 3 pixels.
int clampToTrack(int x, int width);
int snapToMiddle(int x, int width);

// The strong plus sign shows from 101 on.
bool showsStrongPlus(double position);

} // namespace volumeslider

#endif
