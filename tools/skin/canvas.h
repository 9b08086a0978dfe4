#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

class QPainter;

namespace skin {

enum class State { Normal, Hover, Down, Disabled };

// One palette for every picture, so the skin reads as one product.
namespace ink {
inline const QColor outline {2, 7, 14};
inline const QColor deep {7, 17, 31};
inline const QColor navy {13, 31, 53};
inline const QColor steel {31, 61, 96};
inline const QColor steelLight {58, 100, 146};
inline const QColor azure {52, 150, 240};
inline const QColor cyan {120, 215, 255};
inline const QColor menuBlue {1, 95, 179};
inline const QColor field {8, 20, 36};
inline const QColor hot {236, 86, 84};
} // namespace ink

// Pictures are drawn in logical pixels; at a ratio of 2 the same drawing gives each picture's
// "@2x" twin, twice as many pixels for screens that scale by two.
void setPixelRatio(qreal ratio);
qreal pixelRatio();

// A transparent premultiplied canvas of `width` x `height` logical pixels at the current ratio.
QImage canvas(int width, int height);

QColor mix(const QColor &a, const QColor &b, qreal t);
QColor withAlpha(QColor c, int alpha);
QColor grayed(const QColor &c);

// The radius is in logical pixels, so a picture and its twin blur alike.
QImage blurred(const QImage &image, int radius);

// Fills `shape` blurred by `blur` and moved by `offset`; the painter must have no transform.
void softShadow(
        QPainter &p, const QPainterPath &shape, QPointF offset, int blur, const QColor &color);

// A window shape comes from the picture's fully transparent pixels; partly covered edge
// pixels become either fully transparent or opaque over `edge`, so no pale fringe appears.
void hardenEdges(QImage &image, const QColor &edge);

QPainterPath roundedRect(const QRectF &r, qreal radius);
QPainterPath circle(QPointF centre, qreal radius);

} // namespace skin
