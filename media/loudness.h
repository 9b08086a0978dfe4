#ifndef LOUDNESS_H
#define LOUDNESS_H

#include <QString>

// The integrated loudness (EBU R 128, in LUFS) of a 16-bit PCM WAV file, as a loudness meter
// gives it; NaN when the file cannot be read, minus infinity for silence. Reads the whole file:
// run it off the GUI thread.
double integratedLoudness(const QString &wavPath);

// The integrated loudness of `frames` frames of such a file from `firstFrame` on, as the
// ringtone made of them measures: through the encoder's limiter at `gain` with this ceiling.
// NaN when the file cannot be read. Reads only the clip; still, run it off the GUI thread.
double limitedLoudness(
        const QString &wavPath, qint64 firstFrame, qint64 frames, double gain, double ceiling);

#endif
