#include "meters.h"

#include "canvas.h"
#include "glyphs.h"

#include <QConicalGradient>
#include <QFont>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>

namespace skin {

namespace {

// The track rises to the right like a loudness wedge; both halves share the outline.
QPainterPath volumeWedge()
{
    QPainterPath wedge;
    wedge.addPolygon(QPolygonF(
            {QPointF(1.5, 8), QPointF(127.5, 2), QPointF(127.5, 11.5), QPointF(1.5, 11.5)}));
    wedge.closeSubpath();
    QPainterPathStroker round;
    round.setWidth(1.5);
    round.setJoinStyle(Qt::RoundJoin);
    return wedge.united(round.createStroke(wedge)).simplified();
}

QImage volumeTrack(bool filled)
{
    QImage img = canvas(129, 13);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath wedge = volumeWedge();
    p.fillPath(wedge, filled ? QColor(4, 40, 84) : QColor(74, 110, 150));
    QPainterPathStroker rim;
    rim.setWidth(2);
    const QPainterPath inner = wedge.subtracted(rim.createStroke(wedge));
    if (filled) {
        QLinearGradient along(0, 0, 129, 0);
        along.setColorAt(0, QColor(30, 110, 210));
        along.setColorAt(1, QColor(110, 220, 255));
        p.fillPath(inner, along);
        QLinearGradient shine(0, 2, 0, 8);
        shine.setColorAt(0, QColor(255, 255, 255, 150));
        shine.setColorAt(1, QColor(255, 255, 255, 10));
        p.fillPath(inner.intersected(roundedRect(QRectF(0, 0, 129, 7.5), 0)), shine);
    } else {
        QLinearGradient well(0, 2, 0, 11);
        well.setColorAt(0, QColor(2, 6, 12));
        well.setColorAt(1, ink::navy);
        p.fillPath(inner, well);
    }
    return img;
}

QImage volumeThumb()
{
    QImage img = canvas(5, 17);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath body = roundedRect(QRectF(0, 0.5, 5, 15), 2);
    p.fillPath(body, ink::outline);
    QLinearGradient metal(0, 0, 5, 0);
    metal.setColorAt(0, QColor(150, 175, 200));
    metal.setColorAt(0.45, Qt::white);
    metal.setColorAt(1, QColor(120, 146, 176));
    p.fillPath(roundedRect(QRectF(0.8, 1.3, 3.4, 13.4), 1.6), metal);
    p.fillRect(QRectF(2, 5, 1, 6), QColor(40, 120, 210));
    return img;
}

QImage signPicture(bool plus, bool strong)
{
    QImage img = canvas(7, 7);
    QPainter p(&img);
    const QColor tone = strong ? QColor(230, 250, 255) : QColor(170, 196, 222);
    if (strong) {
        // A soft halo round the strong plus shows the boost above unchanged volume.
        QRadialGradient halo(QPointF(3.5, 3.5), 3.6);
        halo.setColorAt(0, withAlpha(ink::cyan, 150));
        halo.setColorAt(1, withAlpha(ink::cyan, 0));
        p.fillRect(img.rect(), halo);
    }
    p.fillRect(QRect(0, 3, 7, 1), tone);
    if (plus)
        p.fillRect(QRect(3, 0, 1, 7), tone);
    return img;
}

struct BarSpec
{
    QSize size;
    int segments; // 4-pixel rows from row 8 down; the rows below the last stay unlit at level 0
};

QColor litColour(qreal f)
{
    if (f < 0.6)
        return mix(QColor(60, 226, 255), ink::azure, f / 0.6);
    return mix(ink::azure, QColor(226, 214, 255), (f - 0.6) / 0.4);
}

QRectF segmentRect(const BarSpec &bar, int i)
{
    return QRectF(6.5, 8 + 4 * i, bar.size.width() - 12.5, 3);
}

qreal heightFraction(const BarSpec &bar, int i)
{
    return 1.0 - qreal(i) / (bar.segments - 1);
}

QImage barBack(const BarSpec &bar)
{
    QImage img = canvas(bar.size.width(), bar.size.height());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF groove(3, 1.5, bar.size.width() - 6.5, bar.size.height() - 3);
    p.fillPath(roundedRect(groove.adjusted(-1, -1, 1, 1.5), 6), QColor(255, 255, 255, 28));
    p.fillPath(roundedRect(groove, 6), ink::outline);
    QLinearGradient well(groove.topLeft(), groove.topRight());
    well.setColorAt(0, QColor(3, 8, 15));
    well.setColorAt(0.5, QColor(9, 20, 34));
    well.setColorAt(1, QColor(3, 8, 15));
    p.fillPath(roundedRect(groove.adjusted(1, 1, -1, -1), 5), well);
    for (int i = 0; i < bar.segments; ++i) {
        const QRectF r = segmentRect(bar, i);
        p.fillRect(r, mix(QColor(12, 26, 44), litColour(heightFraction(bar, i)), 0.16));
        p.fillRect(QRectF(r.left(), r.top(), r.width(), 1), QColor(255, 255, 255, 14));
    }
    return img;
}

QImage barFore(const BarSpec &bar)
{
    QImage lit = canvas(bar.size.width(), bar.size.height());
    {
        QPainter p(&lit);
        for (int i = 0; i < bar.segments; ++i) {
            const QRectF r = segmentRect(bar, i);
            const QColor c = litColour(heightFraction(bar, i));
            QLinearGradient across(r.topLeft(), r.topRight());
            across.setColorAt(0, c.darker(125));
            across.setColorAt(0.4, mix(c, Qt::white, 0.35));
            across.setColorAt(1, c.darker(125));
            p.fillRect(r, across);
        }
    }
    QImage img = canvas(bar.size.width(), bar.size.height());
    QPainter p(&img);
    // The glow stays inside the groove and above the unlit bottom rows.
    const int litBottom = 8 + 4 * bar.segments - 1;
    p.setClipRect(QRectF(4, 2.5, bar.size.width() - 8.5, litBottom - 2.5));
    p.setOpacity(0.55);
    p.drawImage(0, 0, blurred(lit, 2));
    p.setOpacity(1);
    p.drawImage(0, 0, lit);
    return img;
}

void paintGrooves(QPainter &p, QPointF c, qreal radius)
{
    p.setBrush(Qt::NoBrush);
    quint32 seed = 7;
    for (qreal r = radius * 0.43; r < radius * 0.95; r += 1.25) {
        seed = seed * 1103515245u + 12345u;
        const int a = 8 + int((seed >> 16) % 14);
        p.setPen(QPen(QColor(255, 255, 255, a), 0.5));
        p.drawEllipse(c, r, r);
    }
    // Gaps between tracks: slightly wider dark rings.
    for (qreal f : {0.58, 0.74, 0.86}) {
        p.setPen(QPen(QColor(0, 0, 0, 200), 1.4));
        p.drawEllipse(c, radius * f, radius * f);
    }
}

void paintSheen(QPainter &p, QPointF c, qreal radius)
{
    QConicalGradient sheen(c, 0);
    const QColor clear(255, 255, 255, 0);
    sheen.setColorAt(0.0, clear);
    sheen.setColorAt(0.10, QColor(255, 255, 255, 70));
    sheen.setColorAt(0.20, clear);
    sheen.setColorAt(0.32, clear);
    sheen.setColorAt(0.38, QColor(120, 215, 255, 45));
    sheen.setColorAt(0.44, clear);
    sheen.setColorAt(0.54, clear);
    sheen.setColorAt(0.62, QColor(255, 255, 255, 55));
    sheen.setColorAt(0.70, clear);
    sheen.setColorAt(1.0, clear);
    const QPainterPath ring = circle(c, radius * 0.97).subtracted(circle(c, radius * 0.40));
    p.fillPath(ring, sheen);
}

void paintLabel(QPainter &p, QPointF c, qreal radius)
{
    const qreal r = radius * 0.38;
    p.fillPath(circle(c, r + 1), ink::outline);
    QRadialGradient face(c - QPointF(r * 0.3, r * 0.4), r * 1.6);
    face.setColorAt(0, QColor(82, 170, 250));
    face.setColorAt(1, QColor(6, 50, 110));
    p.fillPath(circle(c, r), face);
    // One half of the label is lighter, so a quarter turn is plain to see.
    QPainterPath half;
    half.moveTo(c);
    half.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 200, 180);
    half.closeSubpath();
    p.fillPath(half, QColor(255, 255, 255, 40));
    p.setPen(QPen(QColor(255, 255, 255, 90), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.8, r * 0.8);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(int(r * 0.42));
    QPainterPath word;
    word.addText(0, 0, font, QStringLiteral("Vardel"));
    word.translate(c - word.boundingRect().center() - QPointF(0, r * 0.36));
    p.fillPath(word, Qt::white);
    p.fillPath(noteGlyph(QRectF(c.x() - r * 0.16, c.y() + r * 0.28, r * 0.32, r * 0.36)),
               QColor(255, 255, 255, 200));
    QRadialGradient spindle(c - QPointF(1, 1), r * 0.18);
    spindle.setColorAt(0, Qt::white);
    spindle.setColorAt(1, QColor(90, 110, 130));
    p.fillPath(circle(c, r * 0.11), spindle);
}

} // namespace

void paintDisc(QPainter &p, QPointF c, qreal radius)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(circle(c, radius), ink::outline);
    QRadialGradient vinyl(c, radius);
    vinyl.setColorAt(0, QColor(30, 34, 42));
    vinyl.setColorAt(0.9, QColor(12, 14, 19));
    vinyl.setColorAt(1, QColor(40, 48, 60));
    p.fillPath(circle(c, radius - 1), vinyl);
    paintGrooves(p, c, radius);
    paintSheen(p, c, radius);
    // A small white marker on the rim.
    p.fillPath(circle(c + QPointF(0, -(radius - 5)), 1.8), QColor(220, 240, 255, 220));
    paintLabel(p, c, radius);
    p.restore();
}

void addVolume(Pictures &out)
{
    out.append({QStringLiteral("volume_left.png"), volumeTrack(true)});
    out.append({QStringLiteral("volume_right.png"), volumeTrack(false)});
    out.append({QStringLiteral("volume_thumb.png"), volumeThumb()});
    out.append({QStringLiteral("volume_add.png"), signPicture(true, false)});
    out.append({QStringLiteral("volume_add2.png"), signPicture(true, true)});
    out.append({QStringLiteral("volume_sub.png"), signPicture(false, false)});
}

void addLevelBars(Pictures &out)
{
    // The window uncovers the left bar 4 rows per percent: 100 segments of 4 rows.
    const BarSpec left {{26, 425}, 100};
    const BarSpec right {{27, 299}, 70};
    out.append({QStringLiteral("left_back.png"), barBack(left)});
    out.append({QStringLiteral("left_fore.png"), barFore(left)});
    out.append({QStringLiteral("right_back.png"), barBack(right)});
    out.append({QStringLiteral("right_fore.png"), barFore(right)});
}

void addDisc(Pictures &out)
{
    QImage img = canvas(165, 165);
    QPainter p(&img);
    // The window scales the picture to 166 pixels and turns it about its own point
    // (82, 82); the record is centred where that point lands in the picture.
    paintDisc(p, QPointF(81.5, 81.5), 81.3);
    p.end();
    out.append({QStringLiteral("disc.png"), img});
}

} // namespace skin
