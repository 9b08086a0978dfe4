#ifndef VOLUMELEVELS_H
#define VOLUMELEVELS_H

#include <QString>

// The volume slider's position (0 .. 200, 100 unchanged) as the encoder's level, where 256
// is unchanged, and as the preview player's factor with the label text shown for it. Above
// the middle the preview uses 4 × s − 292 hundredths, a little above the encoder's
// 4 × s − 300; both mappings are kept as they are so previews sound as users know them.
int encoderVolume(int position);
int previewHundredths(int position);
QString previewFactorText(int position);
// True when a clip whose loudest sample has magnitude `peak` (of 32768) passes the limiter's
// ceiling at the encoder's level for this position, so that the limiter will bring it down.
bool limiterWorks(int peak, int position);

#endif
