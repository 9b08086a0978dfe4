#ifndef CLIPMODEL_H
#define CLIPMODEL_H

#include <cstdint>

// The clip that becomes the ringtone, held as two whole milliseconds of the file. The time
// fields, the length, the strip, the clip preview and the encoder's start and length all come
// from these two numbers, so they agree to the millisecond whatever the user did last.
//
// Every edit keeps the clip inside the file and at least `shortestMs` long: a clip can't be
// empty. An edit that had to move the clip elsewhere than asked says so through its result.
class ClipModel
{
public:
    using Ms = std::int64_t;

    static constexpr Ms shortestMs = 100;
    // A newly loaded file starts with its first ten seconds, or all of it when shorter.
    static constexpr Ms defaultLengthMs = 10000;

    enum class Edge { Begin, End };
    enum class Fit {
        Taken, // the edge stands where it was put
        HeldAtFileStart, // the clip met the file's start and was moved back inside
        HeldAtFileEnd, // the clip met the file's end and was moved back inside
    };

    ClipModel() = default;
    // A clip held as given; nothing is checked (for views that copy one).
    ClipModel(Ms duration, Ms begin, Ms end);

    // A new file: the default clip of a file `duration` milliseconds long.
    void reset(Ms duration);

    Ms duration() const { return m_duration; }
    Ms begin() const { return m_begin; }
    Ms end() const { return m_end; }
    Ms length() const { return m_end - m_begin; }
    Ms shortest() const;
    // A clip that the encoder can make: inside the file and not shorter than the shortest.
    bool isValid() const;

    // An edge typed or put at `at`. An edge that would cross the other one, or come closer to it
    // than the shortest clip, takes the other one along: a start at or after the end moves the
    // end on by the clip's length, an end at or before the start moves the start back by it.
    // Where that runs off the file, the clip is moved back inside with the length it had.
    Fit place(Edge edge, Ms at);

    // An edge moved by `delta`; it stops at the file's ends and at the shortest clip.
    void moveEdge(Edge edge, Ms delta);

    // The whole clip moved by `delta`, its length kept, stopped at the file's ends.
    void move(Ms delta);

    // Any pair from outside: held inside the file, the end pushed on (or the start back) to make
    // the shortest clip.
    void set(Ms begin, Ms end);

    bool operator==(const ClipModel &other) const;
    bool operator!=(const ClipModel &other) const { return !(*this == other); }

private:
    Fit keepInside();

    Ms m_duration = 0;
    Ms m_begin = 0;
    Ms m_end = 0;
};

// Seconds as whole milliseconds, rounded to the nearest: what a double that stands for a
// millisecond time (1.005 stored as 1.00499999...) means.
ClipModel::Ms msOf(double seconds);
double secondsOf(ClipModel::Ms ms);

#endif
