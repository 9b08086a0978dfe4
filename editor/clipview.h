#ifndef CLIPVIEW_H
#define CLIPVIEW_H

#include "editor/clipmodel.h"

// The stretch of the file that the clip strip shows, and the clip edits made in seconds while
// zoomed in or from the keyboard, apart from any widget.
namespace clipview {

struct Span
{
    double from;
    double to;
    double length() const { return to - from; }
};

// Zooming in stops at a view of one second (about 83 samples a pixel on the strip), or the
// whole file when that is shorter.
constexpr double shortestView = 1.0;

// Seconds under pixel x of a strip `width` pixels wide showing `view`.
double secondsAt(Span view, int width, double x);

// True when the view shows the whole file, the only view the strip had before zooming.
bool isWhole(Span view, Span file);

// The view moved, length kept, so that it lies inside the file.
Span keptInside(Span view, Span file);

// The view `factor` times as long (below 1 zooms in), with `anchor` at the same place on the
// strip; its length held between the shortest view and the whole file, then kept inside.
Span zoomed(Span view, Span file, double anchor, double factor);

// The view moved by `seconds`, kept inside the file.
Span scrolled(Span view, Span file, double seconds);

// The smallest scroll of the view that shows `seconds`, with `margin` seconds to spare.
Span showing(Span view, Span file, double seconds, double margin);

// The view for a play line that moved from `before` to `now`: once it runs out past the view's
// end, the next page, beginning where the line is. A line that was out of sight already (the
// view was moved away by hand) leaves the view where it is.
Span paged(Span view, Span file, double before, double now);

// Seconds rounded to the nearest millisecond; what a key or a zoomed drag leaves behind.
double wholeMs(double seconds);

using Edge = ClipModel::Edge;

// The clip edits of the strip, in seconds of a file that starts at 0, by the rules of ClipModel
// and to the millisecond.

// One edge moved by `seconds`, stopped at the file's ends and at the shortest clip.
Span movedEdge(Span clip, Edge edge, double seconds, Span file);

// One edge put at `at`; an edge put beyond the other one takes it along, the length kept.
Span placedEdge(Span clip, Edge edge, double at, Span file);

// The whole clip moved, its length kept, stopped at the file's ends.
Span movedClip(Span clip, double seconds, Span file);

} // namespace clipview

#endif
