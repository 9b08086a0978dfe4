#ifndef VOLUMELEVELS_H
#define VOLUMELEVELS_H

#include <QString>

// The volume slider's position (0 .. 200, 100 unchanged) as the encoder's level N, where 256
// is unchanged: 4 × s − 300 hundredths above the middle, s below it.
int encoderVolume(int position);
// The gain N / 256 of that level: what the ringtone gets, and so what the preview plays.
double volumeGain(int position);
// The gain as the volume label shows it: whole gains bare ("1", "5"), others to one decimal
// ("1.1", "0.5").
QString gainText(int position);
// The reachable slider position whose gain brings a clip measured at `loudness` LUFS nearest
// to `target` without passing it; the largest gain at most. `current` where the loudness is not
// a finite number (not measured, or silence).
int evenLoudnessPosition(double loudness, double target, int current);
// The ringtone's loudness for a clip measured at `loudness` LUFS, at this position's gain
// (before the limiter, which takes off only peaks).
double loudnessAt(double loudness, int position);
// True when a clip whose loudest sample has magnitude `peak` (of 32768) passes the limiter's
// ceiling at the encoder's level for this position, so that the limiter will bring it down.
bool limiterWorks(int peak, int position);

#endif
