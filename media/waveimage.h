#ifndef WAVEIMAGE_H
#define WAVEIMAGE_H

#include "media/wavepeaks.h"

#include <QImage>

// Row of a peak value: height / 2 - trunc(v * height / 65534), the scale in single precision.
int waveRow(int value, int height);

// Yellow min/max bars under a black outline of both envelopes, on a transparent
// width x height image; one column per peak pair. Null if the image cannot be made.
QImage paintWavePeaks(const std::vector<WavePeak> &peaks, int height);

#endif
