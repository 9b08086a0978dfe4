#include "clipslider.h"

#include "editor/clipslidermath.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>

using namespace clipslider;

namespace {

const QColor backgroundColor(142, 83, 145);
constexpr QRgb bandFrameColor = 0xFF8D2252;
constexpr QRgb bandInsideColor = 0xC0CD3B8C;

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
    QPixmap shape(w, h);
    shape.fill(Qt::white);
    QPainter painter(&shape);
    painter.setBrush(Qt::black);
    const QPolygon octagon({QPoint(c, 0),
                            QPoint(w - c, 0),
                            QPoint(w, c),
                            QPoint(w, h - c),
                            QPoint(w - c, h),
                            QPoint(c, h),
                            QPoint(0, h - c),
                            QPoint(0, c)});
    painter.drawPolygon(octagon, Qt::WindingFill);
    painter.end();
    setMask(QBitmap::fromPixmap(shape));
}

void CClipSlider::setRange(double dMin, double dMax)
{
    m_rangeMin = dMin;
    m_rangeMax = dMax;
    computePixels();
}

void CClipSlider::setPos(double dPos)
{
    m_position = dPos;
    computePixels();
    update();
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
    m_beginPixel = pixelOf(m_clipBegin, m_rangeMin, m_rangeMax, w);
    m_endPixel = pixelOf(m_clipEnd, m_rangeMin, m_rangeMax, w);
    m_positionPixel = pixelOf(m_position, m_rangeMin, m_rangeMax, w);
}

// Both ends are taken back from their pixels, so after a drag both sit on whole pixels.
void CClipSlider::clipFromPixels()
{
    if (!(m_rangeMin < m_rangeMax))
        return;
    const int w = rect().width();
    m_clipBegin = clipSeconds(m_beginPixel, m_rangeMin, m_rangeMax, w);
    m_clipEnd = clipSeconds(m_endPixel, m_rangeMin, m_rangeMax, w);
    emit clipChanged(m_clipBegin, m_clipEnd);
}

void CClipSlider::positionFromPixel()
{
    m_position = positionSeconds(m_positionPixel, m_rangeMin, m_rangeMax, rect().width());
    emit posChanged(m_position);
}

void CClipSlider::mousePressEvent(QMouseEvent *event)
{
    const int x = event->position().toPoint().x();
    switch (zoneAt(x, m_positionPixel, m_beginPixel, m_endPixel)) {
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
        break;
    case Zone::Band:
        setCursor(Qt::ClosedHandCursor);
        m_dragMode = DragBand;
        break;
    case Zone::EndEdge:
        m_dragMode = DragEnd;
        break;
    case Zone::AfterBand:
        m_positionPixel = x;
        update();
        positionFromPixel();
        break;
    }
    m_lastX = x;
}

void CClipSlider::mouseReleaseEvent(QMouseEvent *)
{
    if (m_dragMode == DragBand)
        setCursor(Qt::OpenHandCursor);
    m_dragMode = DragNone;
}

void CClipSlider::mouseMoveEvent(QMouseEvent *event)
{
    const int x = qBound(0, event->position().toPoint().x(), rect().width() - 1);
    if (x == m_lastX)
        return;
    if (m_dragMode == DragNone)
        setCursor(cursorFor(zoneAt(x, m_positionPixel, m_beginPixel, m_endPixel)));
    else
        dragTo(x);
}

// The play line keeps the press column as its last x, so a step back onto it is skipped.
void CClipSlider::dragTo(int x)
{
    const int w = rect().width();
    const Band band {m_beginPixel, m_endPixel};
    Band moved = band;
    switch (m_dragMode) {
    case DragPosition:
        m_positionPixel = x;
        positionFromPixel();
        update();
        return;
    case DragBegin:
        x = limitForBeginEdge(x, band);
        moved = dragBeginEdge(band, x, m_lastX);
        break;
    case DragEnd:
        x = limitForEndEdge(x, band);
        moved = dragEndEdge(band, x, m_lastX, w);
        break;
    case DragBand:
        moved = dragWholeBand(band, x, m_lastX, w);
        break;
    case DragNone:
        return;
    }
    m_beginPixel = moved.begin;
    m_endPixel = moved.end;
    m_lastX = x;
    clipFromPixels();
    update();
}

// Opaque frame 2 pixels wide around a three-quarters opaque inside, at least 2 pixels wide.
QImage CClipSlider::bandImage() const
{
    const int bw = qMax(m_endPixel - m_beginPixel, 2);
    const int h = height();
    QImage band(bw, h, QImage::Format_ARGB32);
    if (band.isNull())
        return band;
    band.fill(bandFrameColor);
    for (int y = 2; y < h - 2; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(band.scanLine(y));
        for (int x = 2; x < bw - 2; ++x)
            line[x] = bandInsideColor;
    }
    return band;
}

void CClipSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(backgroundColor);
    painter.drawRect(rect());
    painter.drawImage(rect(), m_waveImage);
    const QImage band = bandImage();
    painter.drawImage(QRect(m_beginPixel, 0, band.width(), height()), band);
    painter.setPen(QPen(Qt::red, 0));
    painter.drawLine(m_positionPixel, 0, m_positionPixel, height());
}

void CClipSlider::resizeEvent(QResizeEvent *)
{
    computePixels();
}
