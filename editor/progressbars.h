#ifndef PROGRESSBARS_H
#define PROGRESSBARS_H

#include <QPoint>
#include <QRect>

#include <optional>

// How far a job is, in percent of the loaded file's length; nothing while the figure would
// lie outside 0..100 (an encoder that reports past the end, or no length).
std::optional<int> jobPercent(double encodedSeconds, double fileSeconds);

// Where a bar's fore picture is drawn and which part of it, so that it covers its back picture
// from the bottom up to the given percent.
struct BarPiece
{
    QPoint at;
    QRect source;
};
BarPiece leftBarPiece(int percent);
BarPiece rightBarPiece(int percent);

#endif
