#ifndef INPUTCHECK_H
#define INPUTCHECK_H

#include <QString>

// Whether a file can be loaded, found out before anything in the window changes, and if not,
// why, in terms a user can act on.
struct InputCheck
{
    enum Verdict {
        Accepted,
        NotAFile, // a folder, a device or a pipe
        Unreadable, // missing, or not readable; `reason` says what the system said
        NotMedia, // no container the decoder knows
        NoAudio, // a container without an audio stream
        TooShort, // half a second or less
    };

    Verdict verdict = Accepted;
    double duration = 0.0;
    QString reason;
};

// Files that last half a second or less make no ringtone.
constexpr double shortestInput = 0.5;

InputCheck checkInput(const QString &path);

#endif
