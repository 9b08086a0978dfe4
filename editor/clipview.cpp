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

namespace {

ClipModel modelOf(Span clip, Span file)
{
    return ClipModel(msOf(file.to), msOf(clip.from), msOf(clip.to));
}

Span spanOf(const ClipModel &clip)
{
    return {secondsOf(clip.begin()), secondsOf(clip.end())};
}

} // namespace

Span movedEdge(Span clip, Edge edge, double seconds, Span file)
{
    ClipModel model = modelOf(clip, file);
    model.moveEdge(edge, msOf(seconds));
    return spanOf(model);
}

Span placedEdge(Span clip, Edge edge, double at, Span file)
{
    ClipModel model = modelOf(clip, file);
    model.place(edge, msOf(at));
    return spanOf(model);
}

Span movedClip(Span clip, double seconds, Span file)
{
    ClipModel model = modelOf(clip, file);
    model.move(msOf(seconds));
    return spanOf(model);
}

} // namespace clipview
