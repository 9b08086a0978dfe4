#include "windows.h"

#include "canvas.h"
#include "glyphs.h"
#include "meters.h"

#include <QFont>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>

namespace skin {

namespace {

const QPointF discCentre(666, 82);
const qreal discWell = 83.5;
const QPointF generateCentre(573, 480);

// The pocket where the straight top edge meets the disc's circle, rounded off.
QPainterPath topFillet(QPointF c, qreal radius, qreal edgeY, qreal f)
{
    const QPointF joint(c.x() - std::sqrt(radius * radius - std::pow(c.y() - edgeY, 2)), edgeY);
    const qreal fy = edgeY - f;
    const QPointF centre(c.x() - std::sqrt(std::pow(radius + f, 2) - std::pow(c.y() - fy, 2)), fy);
    const QPointF onCircle = c + (centre - c) * (radius / (radius + f));
    QPainterPath pocket;
    pocket.addPolygon(QPolygonF({centre, QPointF(centre.x(), edgeY), joint, onCircle}));
    pocket.closeSubpath();
    return pocket.subtracted(circle(centre, f));
}

QPainterPath sideFillet(QPointF c, qreal radius, qreal edgeX, qreal f)
{
    const QPointF joint(edgeX, c.y() + std::sqrt(radius * radius - std::pow(edgeX - c.x(), 2)));
    const qreal fx = edgeX + f;
    const QPointF centre(fx, c.y() + std::sqrt(std::pow(radius + f, 2) - std::pow(fx - c.x(), 2)));
    const QPointF onCircle = c + (centre - c) * (radius / (radius + f));
    QPainterPath pocket;
    pocket.addPolygon(QPolygonF({centre, QPointF(edgeX, centre.y()), joint, onCircle}));
    pocket.closeSubpath();
    return pocket.subtracted(circle(centre, f));
}

// A body with a straight top at y 56 and the disc rising out of its right end.
QPainterPath mainShape()
{
    const qreal top = 56;
    const qreal right = 702;
    QPainterPath body = roundedRect(QRectF(0, top, right, 530 - top), 24);
    // Square corners where the disc joins, so the fillets meet straight edges.
    body.addRect(QRectF(right - 40, top, 40, 60));
    body = body.united(circle(discCentre, discWell));
    body = body.united(topFillet(discCentre, discWell, top, 16));
    body = body.united(sideFillet(discCentre, discWell, right, 14));
    return body.simplified();
}

void paintBrushed(QPainter &p, const QRectF &area, quint32 seed)
{
    for (int y = int(area.top()); y < area.bottom(); ++y) {
        seed = seed * 1664525u + 1013904223u;
        const int a = int((seed >> 24) % 9);
        p.fillRect(QRectF(area.left(), y, area.width(), 1), QColor(255, 255, 255, a));
    }
}

void paintBody(QPainter &p, const QPainterPath &shape)
{
    const QRectF b = shape.boundingRect();
    QLinearGradient metal(b.topLeft(), b.bottomLeft());
    metal.setColorAt(0, QColor(40, 74, 112));
    metal.setColorAt(0.35, QColor(22, 46, 74));
    metal.setColorAt(1, QColor(8, 19, 33));
    p.fillPath(shape, metal);
    p.save();
    p.setClipPath(shape);
    paintBrushed(p, b, 99);
    QRadialGradient light(b.left() + b.width() * 0.3, b.top(), b.width() * 0.6);
    light.setColorAt(0, QColor(120, 190, 255, 40));
    light.setColorAt(1, QColor(120, 190, 255, 0));
    p.fillRect(b, light);
    p.restore();
}

void paintRim(QPainter &p, const QPainterPath &shape)
{
    p.save();
    p.setClipPath(shape);
    const QRectF b = shape.boundingRect();
    QLinearGradient shine(b.topLeft(), b.bottomLeft());
    shine.setColorAt(0, QColor(170, 215, 255, 150));
    shine.setColorAt(1, QColor(170, 215, 255, 30));
    p.strokePath(shape, QPen(QBrush(shine), 4.5));
    p.strokePath(shape, QPen(ink::outline, 2.4));
    p.restore();
}

void paintPanel(QPainter &p, const QPainterPath &panel)
{
    softShadow(p, panel, {0, 2}, 3, QColor(0, 0, 0, 110));
    const QRectF b = panel.boundingRect();
    QLinearGradient fill(b.topLeft(), b.bottomLeft());
    fill.setColorAt(0, QColor(120, 180, 240, 34));
    fill.setColorAt(1, QColor(120, 180, 240, 10));
    p.fillPath(panel, fill);
    QLinearGradient edge(b.topLeft(), b.bottomLeft());
    edge.setColorAt(0, QColor(190, 225, 255, 110));
    edge.setColorAt(0.5, QColor(190, 225, 255, 30));
    edge.setColorAt(1, QColor(0, 0, 0, 90));
    p.strokePath(panel, QPen(QBrush(edge), 1));
}

void paintRecess(QPainter &p, const QPainterPath &well, int depth)
{
    const QRectF b = well.boundingRect();
    p.fillPath(well, QColor(0, 6, 14, depth));
    p.save();
    p.setClipPath(well);
    p.strokePath(well.translated(0, 1.5), QPen(QColor(0, 0, 0, 120), 3));
    p.restore();
    QLinearGradient edge(b.topLeft(), b.bottomLeft());
    edge.setColorAt(0, QColor(0, 0, 0, 150));
    edge.setColorAt(1, QColor(170, 215, 255, 70));
    p.strokePath(well, QPen(QBrush(edge), 1));
}

QPainterPath octagon(const QRectF &r, qreal cut)
{
    QPainterPath path;
    path.addPolygon(QPolygonF({QPointF(r.left() + cut, r.top()),
                               QPointF(r.right() - cut, r.top()),
                               QPointF(r.right(), r.top() + cut),
                               QPointF(r.right(), r.bottom() - cut),
                               QPointF(r.right() - cut, r.bottom()),
                               QPointF(r.left() + cut, r.bottom()),
                               QPointF(r.left(), r.bottom() - cut),
                               QPointF(r.left(), r.top() + cut)}));
    path.closeSubpath();
    return path;
}

// The empty strip behind the clip slider: a dark scope screen in a bevel.
void paintScope(QPainter &p)
{
    const QRectF screen(60, 205, 530, 50);
    const QPainterPath glass = octagon(screen, 10);
    p.fillPath(octagon(screen.adjusted(-3, -3, 3, 3), 11.5), ink::outline);
    QLinearGradient bevel(0, 202, 0, 258);
    bevel.setColorAt(0, QColor(10, 20, 34));
    bevel.setColorAt(1, QColor(110, 160, 210));
    p.strokePath(octagon(screen.adjusted(-1.5, -1.5, 1.5, 1.5), 10.6), QPen(QBrush(bevel), 1.2));
    QLinearGradient deep(screen.topLeft(), screen.bottomLeft());
    deep.setColorAt(0, QColor(2, 8, 16));
    deep.setColorAt(1, QColor(10, 26, 44));
    p.fillPath(glass, deep);
    p.save();
    p.setClipPath(glass);
    for (qreal x = screen.left() + 15; x < screen.right(); x += 20)
        p.fillRect(QRectF(x, screen.top(), 1, screen.height()), QColor(120, 215, 255, 16));
    for (qreal f : {0.25, 0.75})
        p.fillRect(QRectF(screen.left(), screen.top() + screen.height() * f, screen.width(), 1),
                   QColor(120, 215, 255, 16));
    p.fillRect(QRectF(screen.left(), screen.center().y(), screen.width(), 1),
               QColor(120, 215, 255, 60));
    QLinearGradient glare(screen.topLeft(), QPointF(screen.left(), screen.center().y()));
    glare.setColorAt(0, QColor(255, 255, 255, 22));
    glare.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(screen, glare);
    p.restore();
}

// The disc sits in a raised round plate that also carries the menu, minimise and close buttons.
void paintDial(QPainter &p)
{
    const QPainterPath plate = circle(discCentre, 124).subtracted(circle(discCentre, discWell - 2));
    paintPanel(p, plate);
    p.save();
    p.setClipPath(plate);
    for (int deg = 70; deg <= 170; deg += 4) {
        const qreal a = qDegreesToRadians(qreal(deg));
        const QPointF dir(std::cos(a), std::sin(a));
        p.setPen(QPen(QColor(170, 215, 255, deg % 20 == 10 ? 110 : 50), 1));
        p.drawLine(discCentre + dir * (deg % 20 == 10 ? 116 : 118.5), discCentre + dir * 122);
    }
    p.restore();
}

void paintDiscWell(QPainter &p)
{
    softShadow(p, circle(discCentre, discWell - 1), {0, 2}, 3, QColor(0, 0, 0, 160));
    QRadialGradient well(discCentre, discWell);
    well.setColorAt(0, QColor(2, 6, 12));
    well.setColorAt(0.96, QColor(8, 18, 30));
    well.setColorAt(1, QColor(60, 100, 140));
    p.fillPath(circle(discCentre, discWell), well);
}

void paintLogo(QPainter &p, QPointF baseline, int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, pixelSize * 0.02);
    QPainterPath word;
    word.addText(baseline, font, QStringLiteral("Vardel"));
    softShadow(p, word, {0, 0}, pixelSize / 10, QColor(90, 200, 255, 150));
    softShadow(p, word, {1, 2}, 1, QColor(0, 0, 0, 200));
    const QRectF b = word.boundingRect();
    QLinearGradient face(b.topLeft(), b.bottomLeft());
    face.setColorAt(0, Qt::white);
    face.setColorAt(0.5, QColor(200, 232, 255));
    face.setColorAt(0.52, QColor(130, 196, 250));
    face.setColorAt(1, QColor(200, 236, 255));
    p.fillPath(word, face);
    p.strokePath(word, QPen(QColor(2, 20, 44, 160), 0.8));
}

// Spectrum bars trailing off behind the name.
void paintSpectrum(QPainter &p, const QRectF &area)
{
    const int count = int(area.width() / 6);
    for (int i = 0; i < count; ++i) {
        const qreal t = qreal(i) / count;
        const qreal level = 0.25 + 0.75 * std::abs(std::sin(i * 0.55) * std::cos(i * 0.17 + 1));
        const qreal h = area.height() * level * (1.0 - 0.55 * t);
        const QRectF bar(area.left() + i * 6, area.center().y() - h / 2, 3, h);
        QLinearGradient g(bar.topLeft(), bar.bottomLeft());
        const int a = int(150 * (1.0 - t));
        g.setColorAt(0, QColor(120, 215, 255, a / 3));
        g.setColorAt(0.5, QColor(120, 215, 255, a));
        g.setColorAt(1, QColor(120, 215, 255, a / 3));
        p.fillPath(roundedRect(bar, 1.5), g);
    }
}

void paintGrill(QPainter &p, const QRectF &area)
{
    for (qreal y = area.top(); y < area.bottom(); y += 7) {
        for (qreal x = area.left(); x < area.right(); x += 7) {
            p.fillPath(circle(QPointF(x, y + 0.8), 1.8), QColor(170, 215, 255, 40));
            p.fillPath(circle(QPointF(x, y), 1.8), QColor(0, 4, 10, 200));
        }
    }
}

void paintGenerateSocket(QPainter &p)
{
    QRadialGradient halo(generateCentre, 38);
    halo.setColorAt(0.7, QColor(120, 215, 255, 90));
    halo.setColorAt(1, QColor(120, 215, 255, 0));
    p.fillPath(circle(generateCentre, 38), halo);
    paintRecess(p, circle(generateCentre, 32), 220);
}

void paintFooter(QPainter &p, const QPainterPath &shape)
{
    p.save();
    p.setClipPath(shape);
    const QRectF band(0, 501, 702, 29);
    p.fillRect(band, QColor(0, 4, 10, 110));
    p.fillRect(QRectF(0, 500, 702, 1), QColor(0, 0, 0, 150));
    QLinearGradient line(0, 0, 702, 0);
    line.setColorAt(0, QColor(120, 215, 255, 0));
    line.setColorAt(0.3, QColor(120, 215, 255, 90));
    line.setColorAt(1, QColor(120, 215, 255, 0));
    p.fillRect(QRectF(0, 501, 702, 1), line);
    p.restore();
}

void paintMainPanels(QPainter &p)
{
    const QPainterPath dial = circle(discCentre, 126);
    const QPainterPath source = roundedRect(QRectF(46, 148, 528, 56), 10)
                                        .united(roundedRect(QRectF(46, 196, 562, 74), 10))
                                        .subtracted(dial);
    paintPanel(p, source.simplified());
    paintScope(p);
    const QPainterPath editing
            = roundedRect(QRectF(46, 276, 590, 192), 12).subtracted(circle(generateCentre, 39));
    paintPanel(p, editing.simplified());
    paintRecess(p, roundedRect(QRectF(52, 281, 190, 90), 8), 70);
    QRadialGradient stage(QPointF(430, 352), 170);
    stage.setColorAt(0, QColor(120, 200, 255, 34));
    stage.setColorAt(1, QColor(120, 200, 255, 0));
    p.fillRect(QRectF(250, 280, 380, 110), stage);
}

QImage mainBackground()
{
    QImage img = canvas(749, 530);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = mainShape();
    paintBody(p, shape);
    p.setClipPath(shape);
    paintLogo(p, QPointF(46, 118), 50);
    paintSpectrum(p, QRectF(262, 76, 300, 40));
    paintGrill(p, QRectF(681, 216, 20, 280));
    paintMainPanels(p);
    paintGenerateSocket(p);
    paintFooter(p, shape);
    paintDial(p);
    paintDiscWell(p);
    p.setClipping(false);
    paintRim(p, shape);
    p.end();
    hardenEdges(img, ink::outline);
    return img;
}

// A dialog of the main window's family: the brushed body, the small logo and a light card for
// the dialog's dark text. The manager's size gave the proportions.
QImage cardBackground(int w, int h)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = roundedRect(QRectF(0, 0, w, h), 18);
    paintBody(p, shape);
    p.setClipPath(shape);
    paintDisc(p, QPointF(34, 30), 17);
    paintLogo(p, QPointF(58, 42), 28);
    paintSpectrum(p, QRectF(180, 20, 220, 22));
    paintRecess(p, circle(QPointF(w - 37, 26), 14), 150);
    // The dialog's labels are drawn in the default dark text, so its content sits on a light card.
    const QPainterPath card = roundedRect(QRectF(40, 58, w - 80, h - 83), 10);
    softShadow(p, card, {0, 3}, 4, QColor(0, 0, 0, 170));
    p.fillPath(card, ink::outline);
    QLinearGradient paper(0, 58, 0, h - 25);
    paper.setColorAt(0, QColor(236, 243, 250));
    paper.setColorAt(1, QColor(200, 217, 236));
    p.fillPath(roundedRect(QRectF(41, 59, w - 82, h - 85), 9), paper);
    p.strokePath(roundedRect(QRectF(41.5, 59.5, w - 83, h - 86), 8.5),
                 QPen(QColor(255, 255, 255, 180), 1));
    QLinearGradient rule(60, 0, w - 57, 0);
    rule.setColorAt(0, QColor(30, 100, 180, 160));
    rule.setColorAt(1, QColor(30, 100, 180, 0));
    p.fillRect(QRectF(60, 92, w - 117, 1), rule);
    p.setClipping(false);
    paintRim(p, shape);
    p.end();
    hardenEdges(img, ink::outline);
    return img;
}

QImage managerBackground()
{
    return cardBackground(537, 385);
}

QImage aboutBackground()
{
    const qreal ratio = pixelRatio();
    QImage img(qRound(400 * ratio), qRound(258 * ratio), QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    img.fill(ink::outline);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath body = roundedRect(QRectF(1, 1, 398, 256), 0);
    paintBody(p, body);
    softShadow(p, circle(QPointF(84, 86), 62), {0, 3}, 4, QColor(0, 0, 0, 180));
    paintDisc(p, QPointF(84, 86), 62);
    paintLogo(p, QPointF(168, 104), 54);
    paintSpectrum(p, QRectF(172, 114, 210, 22));
    QLinearGradient rule(20, 0, 380, 0);
    rule.setColorAt(0, QColor(120, 215, 255, 0));
    rule.setColorAt(0.5, QColor(120, 215, 255, 150));
    rule.setColorAt(1, QColor(120, 215, 255, 0));
    p.fillRect(QRectF(20, 181, 360, 1), rule);
    p.fillRect(QRectF(1, 188, 398, 69), QColor(0, 4, 10, 90));
    p.fillRect(QRectF(1, 1, 398, 1), QColor(170, 215, 255, 120));
    p.fillRect(QRectF(1, 1, 1, 256), QColor(170, 215, 255, 60));
    return img;
}

} // namespace

void addWindows(Pictures &out)
{
    out.append({QStringLiteral("main_bg.png"), mainBackground()});
    out.append({QStringLiteral("register_bg.png"), managerBackground()});
    out.append({QStringLiteral("about_bg.png"), aboutBackground()});
    // Sending a tone over Wi-Fi (editor/wifisenddialog.cpp): the manager's look, taller.
    out.append({QStringLiteral("wifi_bg.png"), cardBackground(600, 500)});
}

} // namespace skin
