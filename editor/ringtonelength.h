#ifndef RINGTONELENGTH_H
#define RINGTONELENGTH_H

#include <QtGlobal>

// Whole milliseconds of a time, truncated toward zero; a time placed to the millisecond that
// binary stores a hair below it (1.005 s as 1.00499999...) still counts as placed.
inline qint64 wholeMilliseconds(double seconds)
{
    return qint64(seconds * 1000.0 + 1e-6);
}

// The phone may leave out of its list a ringtone longer than this. Nothing is refused: the
// window only warns.
constexpr qint64 phoneRingtoneLimitMs = 40000;

inline bool tooLongForPhone(double seconds)
{
    return wholeMilliseconds(seconds) > phoneRingtoneLimitMs;
}

#endif
