// Painting of the clip strip: background, waveform, band, play line, and while it applies the
// edge that has the keys and the mark of a zoomed view.
#include "clipslider.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

const QColor backgroundColor(142, 83, 145);
constexpr QRgb bandFrameColor = 0xFF8D2252;
constexpr QRgb bandInsideColor = 0xC0CD3B8C;
const QColor activeEdgeColor(255, 255, 255, 230);
const QColor zoomTrackColor(0, 0, 0, 160);
const QColor zoomViewColor(255, 255, 255, 220);
const QColor zoomClipColor(205, 59, 140);
constexpr int zoomMarkHeight = 5;
constexpr int zoomViewMinWidth = 8;

// Columns left .. right - 1 of a band that starts at `begin` and is `width` pixels wide:
// an opaque frame 2 pixels wide around a three-quarters opaque inside.
QImage bandColumns(int begin, int width, int left, int right, int height)
{
    QImage band(right - left, height, QImage::Format_ARGB32);
    if (band.isNull())
        return band;
    for (int y = 0; y < height; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(band.scanLine(y));
        const bool rowInside = y >= 2 && y < height - 2;
        for (int x = left; x < right; ++x) {
            const int at = x - begin;
            const bool inside = rowInside && at >= 2 && at < width - 2;
            line[x - left] = inside ? bandInsideColor : bandFrameColor;
        }
    }
    return band;
}

} // namespace

// Only what lies on the strip is built, so a long clip on a zoomed strip costs no more than a
// short one.
void CClipSlider::paintBand(QPainter &painter) const
{
    const clipslider::Band drawn = shownBand();
    const int width = drawn.end - drawn.begin;
    const int left = qMax(drawn.begin, 0);
    const int right = qMin(drawn.end, qMax(rect().width(), left));
    if (right <= left)
        return;
    const QImage band = bandColumns(drawn.begin, width, left, right, height());
    painter.drawImage(QRect(left, 0, band.width(), height()), band);
}

// Over the frame of the edge that the arrow keys move, while the strip has the focus.
void CClipSlider::paintActiveEdge(QPainter &painter) const
{
    const clipslider::Band drawn = shownBand();
    const int x = m_activeEdge == clipview::Edge::Begin ? drawn.begin : drawn.end - 2;
    painter.fillRect(QRect(x, 0, 2, height()), activeEdgeColor);
}

// A magnifier at the top right, and an overview of the whole file along the bottom, inside
// the cut corners: the view in white, the clip in the band's colour.
void CClipSlider::paintZoomMark(QPainter &painter) const
{
    const int left = m_cornerCut;
    const int right = rect().width() - m_cornerCut;
    const int top = height() - zoomMarkHeight - 2;
    const clipview::Span whole = range();
    const auto at = [&](double seconds) {
        return left + int((seconds - whole.from) / whole.length() * (right - left));
    };
    painter.fillRect(QRect(left, top, right - left, zoomMarkHeight), zoomTrackColor);
    const int clipLeft = at(m_clipBegin);
    painter.fillRect(
            QRect(clipLeft, top + 1, qMax(at(m_clipEnd) - clipLeft, 1), zoomMarkHeight - 2),
            zoomClipColor);
    const int viewWidth = qMax(at(m_view.to) - at(m_view.from), zoomViewMinWidth);
    const int viewLeft = qBound(left, at(m_view.from), right - viewWidth);
    painter.setPen(QPen(zoomTrackColor, 1));
    painter.setBrush(zoomViewColor);
    painter.drawRect(QRect(viewLeft, top - 1, viewWidth, zoomMarkHeight + 1));

    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF lens(right - 8.5, 8.5);
    painter.setBrush(Qt::NoBrush);
    for (const auto &[color, width] :
         {std::pair(zoomTrackColor, 3.5), std::pair(zoomViewColor, 1.5)}) {
        painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawEllipse(lens, 4.5, 4.5);
        painter.drawLine(lens + QPointF(3.4, 3.4), lens + QPointF(7.0, 7.0));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// The strip is drawn in the screen's own pixels and its cut corners taken off smoothly there:
// the mask, kept in the window's pixels, would cut them in steps on a screen that scales.
void CClipSlider::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    QImage strip(
            qCeil(width() * ratio), qCeil(height() * ratio), QImage::Format_ARGB32_Premultiplied);
    strip.setDevicePixelRatio(ratio);
    strip.fill(Qt::transparent);
    {
        QPainter painter(&strip);
        paintStrip(painter);
        cutCorners(painter);
    }
    QPainter(this).drawImage(QPoint(0, 0), strip);
}

void CClipSlider::paintStrip(QPainter &painter) const
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(backgroundColor);
    painter.drawRect(rect());
    painter.drawImage(rect(), m_waveImage);
    paintBand(painter);
    if (hasFocus())
        paintActiveEdge(painter);
    painter.setPen(QPen(Qt::red, 0));
    painter.drawLine(m_positionPixel, 0, m_positionPixel, height());
    if (isZoomed())
        paintZoomMark(painter);
}

void CClipSlider::cutCorners(QPainter &painter) const
{
    if (m_cornerCut <= 0)
        return;
    QPainterPath corners;
    corners.addRect(rect());
    QPainterPath outline;
    outline.addPolygon(cutOutline());
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.fillPath(corners.subtracted(outline), Qt::black);
}
