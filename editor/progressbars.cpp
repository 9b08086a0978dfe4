#include "progressbars.h"

std::optional<int> jobPercent(double encodedSeconds, double fileSeconds)
{
    if (!(fileSeconds > 0.0))
        return std::nullopt;
    const double percent = encodedSeconds / fileSeconds * 100;
    if (!(percent > -1.0 && percent < 101.0))
        return std::nullopt;
    return int(percent);
}

// The left picture climbs four pixels per percent.
BarPiece leftBarPiece(int percent)
{
    return {QPoint(0, 490 - 4 * percent), QRect(0, 4 * (102 - percent), 26, 425)};
}

// The right picture is 287 pixels high for the whole bar.
BarPiece rightBarPiece(int percent)
{
    const int r = 287 * percent / 100;
    return {QPoint(644, 495 - r), QRect(0, 287 - r, 27, 299)};
}
