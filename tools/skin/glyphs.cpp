#include "glyphs.h"

#include <QFont>
#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace skin {

namespace {

QPainterPath stroked(const QPainterPath &line, qreal width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

QPointF at(const QRectF &box, qreal fx, qreal fy)
{
    return {box.left() + box.width() * fx, box.top() + box.height() * fy};
}

QPainterPath closed(const QPolygonF &poly)
{
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QPainterPath polygon(const QRectF &box, std::initializer_list<QPointF> unitPoints)
{
    QPolygonF poly;
    for (const QPointF &u : unitPoints)
        poly << at(box, u.x(), u.y());
    return closed(poly);
}

} // namespace

QPainterPath playGlyph(const QRectF &box)
{
    // Rounded corners come from a thin stroke around the triangle.
    const QPainterPath tri = polygon(box.adjusted(1, 1, -1, -1), {{0, 0}, {1, 0.5}, {0, 1}});
    return tri.united(stroked(tri, 2.0));
}

QPainterPath pauseGlyph(const QRectF &box)
{
    const qreal bar = box.width() * 0.36;
    QPainterPath path;
    path.addRoundedRect(QRectF(box.left(), box.top(), bar, box.height()), 1.5, 1.5);
    path.addRoundedRect(QRectF(box.right() - bar, box.top(), bar, box.height()), 1.5, 1.5);
    return path;
}

QPainterPath clipGlyph(const QRectF &box)
{
    const qreal w = box.width();
    const qreal h = box.height();
    QPainterPath brackets;
    const qreal arm = w * 0.16;
    brackets.moveTo(box.left() + arm, box.top());
    brackets.lineTo(box.left(), box.top());
    brackets.lineTo(box.left(), box.bottom());
    brackets.lineTo(box.left() + arm, box.bottom());
    brackets.moveTo(box.right() - arm, box.top());
    brackets.lineTo(box.right(), box.top());
    brackets.lineTo(box.right(), box.bottom());
    brackets.lineTo(box.right() - arm, box.bottom());
    const QRectF inner(box.left() + w * 0.33, box.top() + h * 0.2, w * 0.38, h * 0.6);
    return stroked(brackets, 2.2).united(playGlyph(inner));
}

QPainterPath crossGlyph(const QRectF &box, qreal width)
{
    QPainterPath line;
    line.moveTo(box.topLeft());
    line.lineTo(box.bottomRight());
    line.moveTo(box.topRight());
    line.lineTo(box.bottomLeft());
    return stroked(line, width);
}

QPainterPath dashGlyph(const QRectF &box, qreal width)
{
    QPainterPath line;
    line.moveTo(box.left(), box.center().y());
    line.lineTo(box.right(), box.center().y());
    return stroked(line, width);
}

QPainterPath menuGlyph(const QRectF &box, qreal width)
{
    QPainterPath lines;
    for (qreal f : {0.0, 0.5, 1.0}) {
        const qreal y = box.top() + box.height() * f;
        lines.moveTo(box.left(), y);
        lines.lineTo(box.right(), y);
    }
    return stroked(lines, width);
}

// The stop sign's octagon, flat sides up and down.
QPainterPath stopGlyph(const QRectF &box)
{
    const QPointF c = box.center();
    const qreal r = std::min(box.width(), box.height()) / 2 / std::cos(M_PI / 8);
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const qreal a = M_PI / 8 + i * M_PI / 4;
        octagon << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    return closed(octagon);
}

namespace {

// A four-pointed star with pinched sides, centred on c.
QPainterPath star(QPointF c, qreal reach, qreal waist)
{
    QPolygonF points;
    for (int i = 0; i < 8; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 4;
        const qreal r = i % 2 == 0 ? reach : waist;
        points << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    return closed(points);
}

} // namespace

// Suggest: a large sparkle with a small one above it, the "found for you" sign.
QPainterPath sparkleGlyph(const QRectF &box)
{
    const qreal size = std::min(box.width(), box.height());
    QPainterPath path = star(at(box, 0.42, 0.58), size * 0.42, size * 0.11);
    path.addPath(star(at(box, 0.82, 0.18), size * 0.18, size * 0.05));
    return path.simplified();
}

// Send over Wi-Fi: a dot under three rising arcs, the sign phones show for a wireless network.
QPainterPath wifiGlyph(const QRectF &box)
{
    const qreal size = std::min(box.width(), box.height());
    const QPointF base = at(box, 0.5, 0.88);
    QPainterPath path;
    path.addEllipse(base, size * 0.09, size * 0.09);
    for (qreal radius : {0.33, 0.58, 0.83}) {
        QPainterPath arc;
        const qreal r = size * radius;
        const QRectF circle(base.x() - r, base.y() - r, 2 * r, 2 * r);
        arc.arcMoveTo(circle, 45);
        arc.arcTo(circle, 45, 90);
        path.addPath(stroked(arc, size * 0.12));
    }
    return path.simplified();
}

QPainterPath noteGlyph(const QRectF &box)
{
    const qreal w = box.width();
    const qreal h = box.height();
    const qreal stem = w * 0.1;
    QPainterPath path;
    const QSizeF head(w * 0.36, h * 0.25);
    for (qreal fx : {0.2, 0.8}) {
        QPainterPath ellipse;
        const QPointF c = at(box, fx, fx < 0.5 ? 0.86 : 0.76);
        ellipse.addEllipse(QPointF(0, 0), head.width() / 2, head.height() / 2);
        path.addPath(QTransform().translate(c.x(), c.y()).rotate(-22).map(ellipse));
        const qreal x = c.x() + head.width() / 2 - stem * 0.9;
        path.addRect(QRectF(x, at(box, 0, fx < 0.5 ? 0.16 : 0.06).y(), stem, c.y() - box.top()));
    }
    // The beam rises to the right, across the two stems.
    const qreal x0 = at(box, 0.2, 0).x() + head.width() / 2 - stem * 0.9;
    const qreal x1 = at(box, 0.8, 0).x() + head.width() / 2 + stem * 0.1;
    path.addPolygon(QPolygonF({QPointF(x0, box.top() + h * 0.1),
                               QPointF(x1, box.top()),
                               QPointF(x1, box.top() + h * 0.2),
                               QPointF(x0, box.top() + h * 0.3)}));
    return path.simplified();
}

QPainterPath tickGlyph(const QRectF &box, qreal width)
{
    QPainterPath line;
    line.moveTo(at(box, 0.0, 0.55));
    line.lineTo(at(box, 0.38, 0.92));
    line.lineTo(at(box, 1.0, 0.08));
    return stroked(line, width);
}

QPainterPath plusGlyph(const QRectF &box, qreal width)
{
    QPainterPath line;
    line.moveTo(box.left(), box.center().y());
    line.lineTo(box.right(), box.center().y());
    line.moveTo(box.center().x(), box.top());
    line.lineTo(box.center().x(), box.bottom());
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    return stroker.createStroke(line).simplified();
}

QPainterPath arrowGlyph(const QRectF &box, bool up)
{
    if (up)
        return polygon(box, {{0, 1}, {0.5, 0}, {1, 1}});
    return polygon(box, {{0, 0}, {1, 0}, {0.5, 1}});
}

QPainterPath wrenchGlyph(const QRectF &box)
{
    // Drawn upright in a unit square of 16, then turned 45 degrees into the box.
    QPainterPath head;
    head.addEllipse(QPointF(0, -4.2), 3.8, 3.8);
    QPainterPath jaw;
    jaw.addRect(QRectF(-1.4, -9.5, 2.8, 5.6));
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-1.5, -2.0, 3.0, 9.8), 1.5, 1.5);
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 5.9), 0.8, 0.8);
    const QPainterPath upright = head.subtracted(jaw).united(handle).subtracted(hole);
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(box.width() / 16.0, box.height() / 16.0);
    t.rotate(45);
    return t.map(upright);
}

QPainterPath houseGlyph(const QRectF &box)
{
    const QPainterPath roof = polygon(box, {{0.5, 0.0}, {1.0, 0.5}, {0.0, 0.5}});
    QPainterPath body;
    body.addRect(QRectF(at(box, 0.16, 0.42), at(box, 0.84, 1.0)));
    QPainterPath door;
    door.addRect(QRectF(at(box, 0.41, 0.66), at(box, 0.59, 1.01)));
    QPainterPath chimney;
    chimney.addRect(QRectF(at(box, 0.7, 0.08), at(box, 0.84, 0.35)));
    return roof.united(body).united(chimney).subtracted(door);
}

QPainterPath bubbleGlyph(const QRectF &box)
{
    QPainterPath body;
    body.addRoundedRect(QRectF(at(box, 0.0, 0.05), at(box, 1.0, 0.72)),
                        box.width() * 0.22,
                        box.height() * 0.22);
    const QPainterPath tail = polygon(box, {{0.22, 0.6}, {0.5, 0.6}, {0.18, 0.98}});
    QPainterPath dots;
    for (qreal fx : {0.27, 0.5, 0.73})
        dots.addEllipse(at(box, fx, 0.385), box.width() * 0.075, box.width() * 0.075);
    return body.united(tail).subtracted(dots);
}

QPainterPath letterGlyph(const QString &letter, const QRectF &box, qreal pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(pixelSize));
    font.setBold(true);
    QPainterPath text;
    text.addText(0, 0, font, letter);
    const QRectF bounds = text.boundingRect();
    return text.translated(box.center() - bounds.center());
}

void paintGlyph(QPainter &p, const QPainterPath &glyph, const QColor &color, State state)
{
    const QPointF shift = state == State::Down ? QPointF(0, 1) : QPointF(0, 0);
    const QPainterPath placed = glyph.translated(shift);
    p.fillPath(placed.translated(0, 1), QColor(0, 0, 0, state == State::Disabled ? 50 : 110));
    p.fillPath(placed, color);
}

} // namespace skin
