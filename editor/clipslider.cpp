#include "clipslider.h"

#include "editor/clipslidermath.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QToolTip>

using namespace clipslider;
using clipview::Edge;
using clipview::Span;

namespace {

// While a drag is held beyond either end of a zoomed strip, the view scrolls on every tick.
constexpr int scrollTickMs = 30;

Qt::CursorShape cursorFor(Zone zone)
{
    switch (zone) {
    case Zone::PlayLine:
    case Zone::BeginEdge:
    case Zone::EndEdge:
        return Qt::SizeHorCursor;
    case Zone::Band:
        return Qt::OpenHandCursor;
    case Zone::BeforeBand:
    case Zone::AfterBand:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace

CClipSlider::CClipSlider(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    computePixels();
}

CClipSlider::~CClipSlider() = default;

void CClipSlider::setWaveImage(const QImage &image)
{
    m_waveImage = image;
}

void CClipSlider::setCornerCut(int size)
{
    const int w = width();
    const int h = height();
    const int c = qMin(size, qMin(h / 2, w / 2));
    m_cornerCut = c;
    // The mask takes presses and stops painting in the cut corners. It holds the pixels the
    // cut line crosses too, so the edge can be painted smooth at any scale (see paintEvent).
    QRegion shape;
    for (int y = 0; y < h; ++y) {
        const int fromEdge = qMin(y, h - 1 - y);
        const int inset = qMax(0, c - 1 - fromEdge);
        shape += QRect(inset, y, w - 2 * inset, 1);
    }
    setMask(shape);
}

QPolygonF CClipSlider::cutOutline() const
{
    const qreal w = width();
    const qreal h = height();
    const qreal c = m_cornerCut;
    return QPolygonF({QPointF(c, 0),
                      QPointF(w - c, 0),
                      QPointF(w, c),
                      QPointF(w, h - c),
                      QPointF(w - c, h),
                      QPointF(c, h),
                      QPointF(0, h - c),
                      QPointF(0, c)});
}

QImage CClipSlider::waveImage() const
{
    return m_waveImage;
}

// A new range is shown whole.
void CClipSlider::setRange(double dMin, double dMax)
{
    m_rangeMin = dMin;
    m_rangeMax = dMax;
    m_view = range();
    computePixels();
}

void CClipSlider::setView(double from, double to)
{
    const Span whole = range();
    if (!(whole.from < whole.to))
        return;
    const double length
            = qBound(qMin(clipview::shortestView, whole.length()), to - from, whole.length());
    m_view = clipview::keptInside({from, from + length}, whole);
    computePixels();
    update();
}

bool CClipSlider::isZoomed() const
{
    return !clipview::isWhole(m_view, range());
}

void CClipSlider::setPlayPositionSource(std::function<double()> source)
{
    m_playPositionSource = std::move(source);
}

void CClipSlider::setPos(double dPos)
{
    m_position = dPos;
    computePixels();
    update();
}

void CClipSlider::followPos(double seconds)
{
    applyView(clipview::paged(m_view, range(), m_position, seconds));
    setPos(seconds);
}

// A negative end keeps its current value; a pair out of order or out of range is ignored.
void CClipSlider::setClip(double dMin, double dMax)
{
    if (dMin < 0)
        dMin = m_clipBegin;
    if (dMax < 0)
        dMax = m_clipEnd;
    if (!(m_rangeMin <= dMin && dMin <= dMax && dMax <= m_rangeMax))
        return;
    m_clipBegin = dMin;
    m_clipEnd = dMax;
    computePixels();
    update();
    QAccessibleValueChangeEvent changed(this, m_clipBegin);
    QAccessible::updateAccessibility(&changed);
}

void CClipSlider::getPos(double &dPos)
{
    dPos = m_position;
}

void CClipSlider::getClip(double &dMin, double &dMax)
{
    dMin = m_clipBegin;
    dMax = m_clipEnd;
}

void CClipSlider::computePixels()
{
    const int w = rect().width();
    m_beginPixel = pixelOf(m_clipBegin, m_view.from, m_view.to, w);
    m_endPixel = pixelOf(m_clipEnd, m_view.from, m_view.to, w);
    m_positionPixel = pixelOf(m_position, m_view.from, m_view.to, w);
}

void CClipSlider::positionFromPixel()
{
    m_position = positionSeconds(m_positionPixel, m_view.from, m_view.to, rect().width());
    emit posChanged(m_position);
}

clipslider::Band CClipSlider::shownBand() const
{
    return drawnBand({m_beginPixel, m_endPixel}, rect().width());
}

double CClipSlider::pixelSeconds() const
{
    return m_view.length() / qMax(1, rect().width());
}

// Key and zoomed-drag edits: the clip as given, to the millisecond, never snapped to pixels.
void CClipSlider::applyClip(Span clip)
{
    if (clip.from == m_clipBegin && clip.to == m_clipEnd)
        return;
    m_clipBegin = clip.from;
    m_clipEnd = clip.to;
    computePixels();
    update();
    emit clipChanged(m_clipBegin, m_clipEnd);
}

void CClipSlider::applyView(Span view)
{
    if (view.from == m_view.from && view.to == m_view.to)
        return;
    m_view = view;
    computePixels();
    update();
    emit viewChanged(m_view.from, m_view.to);
}

void CClipSlider::mousePressEvent(QMouseEvent *event)
{
    const int x = event->position().toPoint().x();
    setFocus(Qt::MouseFocusReason);
    const Band band = shownBand();
    switch (zoneAt(x, m_positionPixel, band.begin, band.end)) {
    case Zone::PlayLine:
        m_dragMode = DragPosition;
        break;
    case Zone::BeforeBand:
        m_positionPixel = x;
        positionFromPixel();
        update();
        break;
    case Zone::BeginEdge:
        m_dragMode = DragBegin;
        m_activeEdge = Edge::Begin;
        break;
    case Zone::Band:
        setCursor(Qt::ClosedHandCursor);
        m_dragMode = DragBand;
        break;
    case Zone::EndEdge:
        m_dragMode = DragEnd;
        m_activeEdge = Edge::End;
        break;
    case Zone::AfterBand:
        m_positionPixel = x;
        update();
        positionFromPixel();
        break;
    }
    m_lastX = x;
    m_pressX = x;
    m_pressClip = clip();
    m_pressView = m_view;
    update();
}

void CClipSlider::mouseReleaseEvent(QMouseEvent *)
{
    if (m_dragMode == DragBand)
        setCursor(Qt::OpenHandCursor);
    const bool clipDrag
            = m_dragMode == DragBegin || m_dragMode == DragEnd || m_dragMode == DragBand;
    m_dragMode = DragNone;
    m_scrollTimer.stop();
    if (clipDrag)
        emit clipEditFinished();
}

void CClipSlider::mouseMoveEvent(QMouseEvent *event)
{
    m_pointerX = event->position().toPoint().x();
    const int w = rect().width();
    const int x = qBound(0, m_pointerX, w - 1);
    if (QToolTip::isVisible())
        QToolTip::showText(event->globalPosition().toPoint(), toolTipAt(x), this);
    const bool beyond = m_pointerX != x && isZoomed();
    if (beyond && (m_dragMode == DragBegin || m_dragMode == DragEnd || m_dragMode == DragBand)) {
        if (!m_scrollTimer.isActive())
            m_scrollTimer.start(scrollTickMs, this);
    } else {
        m_scrollTimer.stop();
    }
    if (x == m_lastX)
        return;
    if (m_dragMode == DragNone)
        setCursor(cursorFor(zoneAt(x, m_positionPixel, shownBand().begin, shownBand().end)));
    else
        dragTo(x);
}

// The play line keeps the press column as its last x, so a step back onto it is skipped.
void CClipSlider::dragTo(int x)
{
    if (m_dragMode == DragPosition) {
        m_positionPixel = x;
        positionFromPixel();
        update();
        return;
    }
    if (m_dragMode == DragNone)
        return;
    if (m_view.from < m_view.to) {
        dragInSeconds(x);
        return;
    }
    m_lastX = x;
}

// A drag works in seconds from where it started, at any zoom: the edge or band follows the
// pointer to the millisecond, the edge that does not move stays where it is, and a band keeps
// its length exactly.
void CClipSlider::dragInSeconds(int x)
{
    const double pressed = clipview::secondsAt(m_pressView, rect().width(), m_pressX);
    const double delta = clipview::secondsAt(m_view, rect().width(), x) - pressed;
    if (m_dragMode == DragBegin)
        applyClip(clipview::movedEdge(m_pressClip, Edge::Begin, delta, range()));
    else if (m_dragMode == DragEnd)
        applyClip(clipview::movedEdge(m_pressClip, Edge::End, delta, range()));
    else if (m_dragMode == DragBand)
        applyClip(clipview::movedClip(m_pressClip, delta, range()));
    m_lastX = x;
}

// The view follows a drag held beyond either end, faster the farther the pointer is out.
void CClipSlider::scrollWhileDragging()
{
    const int w = rect().width();
    const int x = qBound(0, m_pointerX, w - 1);
    const int beyond = qBound(-w / 2, m_pointerX - x, w / 2);
    if (beyond == 0 || m_dragMode == DragNone || m_dragMode == DragPosition) {
        m_scrollTimer.stop();
        return;
    }
    applyView(clipview::scrolled(m_view, range(), beyond * pixelSeconds()));
    dragInSeconds(x);
}

void CClipSlider::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_scrollTimer.timerId())
        scrollWhileDragging();
    else
        QWidget::timerEvent(event);
}

void CClipSlider::resizeEvent(QResizeEvent *)
{
    computePixels();
}
