#ifndef LOUDNESS_H
#define LOUDNESS_H

#include <QString>

// The integrated loudness (EBU R 128, in LUFS) of a 16-bit PCM WAV file, as a loudness meter
// gives it; NaN when the file cannot be read, minus infinity for silence. Reads the whole file:
// run it off the GUI thread.
double integratedLoudness(const QString &wavPath);

#endif
