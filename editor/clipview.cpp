#include "clipview.h"

#include <algorithm>
#include <cmath>

namespace clipview {

double secondsAt(Span view, int width, double x)
{
    return view.from + x * view.length() / width;
}

bool isWhole(Span view, Span file)
{
    return view.from == file.from && view.to == file.to;
}

Span keptInside(Span view, Span file)
{
    const double length = std::min(view.length(), file.length());
    if (length >= file.length())
        return file;
    const double from = std::clamp(view.from, file.from, file.to - length);
    return {from, from + length};
}

Span zoomed(Span view, Span file, double anchor, double factor)
{
    const double shortest = std::min(shortestView, file.length());
    const double length = std::clamp(view.length() * factor, shortest, file.length());
    if (length >= file.length())
        return file;
    const double share = view.length() > 0 ? (anchor - view.from) / view.length() : 0.5;
    const double from = anchor - share * length;
    return keptInside({from, from + length}, file);
}

Span scrolled(Span view, Span file, double seconds)
{
    return keptInside({view.from + seconds, view.to + seconds}, file);
}

Span showing(Span view, Span file, double seconds, double margin)
{
    margin = std::min(margin, view.length() / 2);
    if (seconds < view.from + margin)
        return scrolled(view, file, seconds - margin - view.from);
    if (seconds > view.to - margin)
        return scrolled(view, file, seconds + margin - view.to);
    return view;
}

Span paged(Span view, Span file, double before, double now)
{
    const bool wasInSight = view.from <= before && before <= view.to;
    if (isWhole(view, file) || !wasInSight || now <= view.to)
        return view;
    return keptInside({now, now + view.length()}, file);
}

double wholeMs(double seconds)
{
    return std::round(seconds * 1000.0) / 1000.0;
}

Span movedEdge(Span clip, Edge edge, double seconds, Span file)
{
    if (edge == Edge::Begin)
        clip.from = std::clamp(wholeMs(clip.from + seconds), file.from, clip.to);
    else
        clip.to = std::clamp(wholeMs(clip.to + seconds), clip.from, file.to);
    return clip;
}

Span placedEdge(Span clip, Edge edge, double at, Span file)
{
    at = std::clamp(wholeMs(at), file.from, file.to);
    if (edge == Edge::Begin)
        return {at, std::max(at, clip.to)};
    return {std::min(at, clip.from), at};
}

Span movedClip(Span clip, double seconds, Span file)
{
    const double length = clip.length();
    double from = clip.from + wholeMs(seconds);
    from = std::clamp(from, file.from, std::max(file.from, file.to - length));
    return {from, from + length};
}

} // namespace clipview
