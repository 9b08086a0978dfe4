#ifndef RINGTONEPATHS_H
#define RINGTONEPATHS_H

#include <QString>

// Where each file of a ringtone's making goes. A name is made unique in its folder at the
// moment of asking, so nothing already there is overwritten.

// The decoded picture source: the input's name as a WAV in the given folder.
QString decodeWavPath(const QString &input, const QString &folder);

// What the encoder writes: the input's name as an .m4a in the output folder.
QString encoderOutputPath(const QString &input, const QString &folder);

// The ringtone's name without folder or extension: the typed name, cleaned, or the input's base
// name when nothing is left of it.
QString ringtoneName(const QString &typedName, const QString &inputName);

// The finished ringtone beside the encoder's output, named by ringtoneName.
QString finalRingtonePath(const QString &encoded,
                          const QString &typedName,
                          const QString &inputName);

// Where the manager proposes to save a ringtone from the phone: its title, cleaned, in the
// folder, or the phone's own file name when the title leaves only dots. Without a folder the
// bare name lets the file dialog choose where to start.
QString proposedSavePath(const QString &title, const QString &phonePath, const QString &folder);

#endif
