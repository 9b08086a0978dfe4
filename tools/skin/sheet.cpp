#include "sheet.h"

#include <QFont>
#include <QMap>
#include <QPainter>

#include <algorithm>

namespace skin {

namespace {

void paintChecker(QPainter &p, const QRect &area)
{
    for (int y = area.top(); y < area.bottom(); y += 8) {
        for (int x = area.left(); x < area.right(); x += 8) {
            const bool dark = ((x - area.left()) / 8 + (y - area.top()) / 8) % 2;
            p.fillRect(QRect(x, y, 8, 8).intersected(area),
                       dark ? QColor(58, 58, 58) : QColor(78, 78, 78));
        }
    }
}

int zoomFor(const QImage &image)
{
    const int side = std::max(image.width(), image.height());
    return side <= 40 ? 4 : side <= 130 ? 2 : 1;
}

QFont labelFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Qt's border-image: corners kept, edges and middle stretched.
void drawSliced(QPainter &p, const QImage &img, const QRect &target, int s)
{
    const int w = img.width();
    const int h = img.height();
    const int xs[] = {0, s, w - s, w};
    const int ys[] = {0, s, h - s, h};
    const int tx[] = {target.left(), target.left() + s, target.right() + 1 - s, target.right() + 1};
    const int ty[] = {target.top(), target.top() + s, target.bottom() + 1 - s, target.bottom() + 1};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRect src(xs[col], ys[row], xs[col + 1] - xs[col], ys[row + 1] - ys[row]);
            const QRect dst(tx[col], ty[row], tx[col + 1] - tx[col], ty[row + 1] - ty[row]);
            p.drawImage(dst, img, src);
        }
    }
}

} // namespace

QImage contactSheet(const Pictures &pictures)
{
    const int width = 1640;
    QList<QPoint> places;
    int x = 10;
    int y = 10;
    int rowHeight = 0;
    for (const Picture &pic : pictures) {
        const int zoom = zoomFor(pic.image);
        const QSize size = pic.image.size() * zoom;
        const int cellWidth = std::max(size.width(), 110) + 12;
        if (x + cellWidth > width) {
            x = 10;
            y += rowHeight + 26;
            rowHeight = 0;
        }
        places << QPoint(x, y);
        x += cellWidth;
        rowHeight = std::max(rowHeight, size.height());
    }
    QImage sheet(width, y + rowHeight + 40, QImage::Format_RGB32);
    sheet.fill(QColor(30, 30, 30));
    QPainter p(&sheet);
    p.setFont(labelFont(11));
    for (int i = 0; i < pictures.size(); ++i) {
        const QImage &img = pictures[i].image;
        const int zoom = zoomFor(img);
        const QRect target(places[i], img.size() * zoom);
        paintChecker(p, target);
        p.drawImage(target, img);
        p.setPen(QColor(220, 220, 220));
        p.drawText(target.left(),
                   target.bottom() + 16,
                   QStringLiteral("%1 x%2").arg(pictures[i].name).arg(zoom));
    }
    return sheet;
}

namespace {

void drawMainWindow(QPainter &p, const QMap<QString, QImage> &img, QPoint at)
{
    p.save();
    p.translate(at);
    p.drawImage(0, 0, img[QStringLiteral("main_bg.png")]);
    const int v = 24;
    p.drawImage(0, 82, img[QStringLiteral("left_back.png")]);
    p.drawImage(QPoint(0, 490 - 4 * v),
                img[QStringLiteral("left_fore.png")],
                QRect(0, 4 * (102 - v), 26, 425));
    p.drawImage(644, 208, img[QStringLiteral("right_back.png")]);
    const int r = 287 * v / 100;
    p.drawImage(QPoint(644, 495 - r),
                img[QStringLiteral("right_fore.png")],
                QRect(0, 287 - r, 27, 299));
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(666, 82);
    p.rotate(30);
    p.translate(-666, -82);
    p.drawImage(QRect(584, 0, 166, 166), img[QStringLiteral("disc.png")]);
    p.restore();
    const std::pair<const char *, QRect> buttons[] = {
            {"menu_button.png", {572, 137, 28, 28}},
            {"minimize_hover.png", {598, 160, 31, 31}},
            {"close_button.png", {634, 169, 29, 29}},
            {"generate_button.png", {543, 450, 60, 60}},
            {"play_button.png", {294, 343, 92, 38}},
            {"pause_disable.png", {383, 319, 92, 38}},
            {"clip_hover.png", {474, 343, 92, 38}},
            {"browse_button.png", {477, 160, 88, 29}},
            {"browse_hover.png", {481, 411, 90, 28}},
            {"check_down.png", {60, 439, 22, 24}},
            {"check_button.png", {220, 439, 22, 24}},
    };
    for (const auto &[name, rect] : buttons)
        p.drawImage(rect, img[QLatin1String(name)]);
    const QImage border = img[QStringLiteral("edit_border.png")];
    for (const QRect &edit :
         {QRect(153, 160, 315, 28), QRect(200, 412, 275, 26), QRect(160, 382, 241, 26)})
        drawSliced(p, border, edit, 8);
    for (const QRect &edit :
         {QRect(150, 286, 84, 22), QRect(150, 308, 84, 22), QRect(330, 310, 51, 22)}) {
        drawSliced(p, border, edit, 4);
        p.drawImage(QRect(edit.right() - 17, edit.top() + 4, 14, edit.height() / 2 - 4),
                    img[QStringLiteral("spinboxup.png")]);
        p.drawImage(
                QRect(edit.right() - 17, edit.top() + edit.height() / 2, 14, edit.height() / 2 - 4),
                img[QStringLiteral("spinboxdown.png")]);
    }
    p.drawImage(465, 292, img[QStringLiteral("volume_right.png")]);
    p.drawImage(QPoint(465, 292),
                img[QStringLiteral("volume_left.png")],
                QRect(0, 0, 79 - 465 + 450, 13));
    p.drawImage(456, 295, img[QStringLiteral("volume_sub.png")]);
    p.drawImage(597, 295, img[QStringLiteral("volume_add2.png")]);
    p.drawImage(
            QPoint(450 + 79 - 2, 290), img[QStringLiteral("volume_thumb.png")], QRect(0, 0, 5, 16));
    p.setPen(Qt::white);
    p.setFont(labelFont(13, true));
    p.drawText(60, 178, QStringLiteral("Input File:"));
    p.drawText(60, 302, QStringLiteral("Start Time:"));
    p.drawText(60, 324, QStringLiteral("End Time:"));
    p.drawText(60, 346, QStringLiteral("Length:"));
    p.drawText(60, 400, QStringLiteral("Output Name:"));
    p.drawText(60, 430, QStringLiteral("Local Output Folder:"));
    p.drawText(86, 456, QStringLiteral("Export to iPhone"));
    p.drawText(246, 456, QStringLiteral("Export to iTunes"));
    p.drawText(270, 322, QStringLiteral("Fade in:"));
    p.setFont(labelFont(12));
    p.drawText(495, 180, QStringLiteral("Browse..."));
    p.setPen(Qt::black);
    p.drawText(500, 430, QStringLiteral("Browse..."));
    p.setPen(Qt::white);
    p.drawText(290, 303, QStringLiteral("00:00:00 / 00:00:00"));
    p.drawText(500, 321, QStringLiteral("Volume: 1x"));
    p.drawText(50, 525, QStringLiteral("Ready."));
    int lx = 40;
    for (const char *link : {"tool", "help", "home", "about"}) {
        p.drawImage(lx, 473, img[QLatin1String(link) + QStringLiteral(".png")]);
        p.drawText(lx + 19, 486, QLatin1String(link));
        lx += 70;
    }
    p.restore();
}

void drawManager(QPainter &p, const QMap<QString, QImage> &img, QPoint at)
{
    p.save();
    p.translate(at);
    p.drawImage(0, 0, img[QStringLiteral("register_bg.png")]);
    p.drawImage(488, 14, img[QStringLiteral("dlg_close_button.png")]);
    p.fillRect(QRect(60, 100, 171, 241), Qt::white);
    p.setFont(labelFont(13, true));
    p.setPen(Qt::black);
    p.drawText(70, 84, QStringLiteral("Manage ringtones on your iPhone."));
    p.setFont(labelFont(12));
    p.drawText(268, 135, QStringLiteral("Name :"));
    p.fillRect(QRect(340, 120, 141, 20), Qt::white);
    const std::pair<const char *, QPoint> buttons[] = {{"button.png", {260, 150}},
                                                       {"button_hover.png", {260, 200}},
                                                       {"button_down.png", {260, 250}},
                                                       {"button.png", {260, 300}},
                                                       {"button.png", {380, 300}}};
    for (const auto &[name, pos] : buttons) {
        p.drawImage(pos, img[QLatin1String(name)]);
        p.drawText(QRect(pos, QSize(88, 29)), Qt::AlignCenter, QStringLiteral("Rename"));
    }
    p.restore();
}

void drawAbout(QPainter &p, const QMap<QString, QImage> &img, QPoint at)
{
    p.save();
    p.translate(at);
    p.drawImage(0, 0, img[QStringLiteral("about_bg.png")]);
    p.setFont(labelFont(12));
    p.setPen(Qt::white);
    p.drawText(QRect(150, 145, 240, 22),
               Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Version: 1.0.0.0"));
    p.drawText(20, 211, QStringLiteral("Home Page: "));
    p.drawText(20, 231, QStringLiteral("Support: "));
    p.drawText(20, 251, QStringLiteral("A product of Marvolen."));
    p.setPen(QColor(0, 0, 255));
    p.drawText(100, 211, QStringLiteral("https://example.org/vardel.html"));
    p.restore();
}

} // namespace

QImage windowPreview(const Pictures &pictures)
{
    QMap<QString, QImage> img;
    for (const Picture &pic : pictures)
        img.insert(pic.name, pic.image);
    QImage out(1360, 980, QImage::Format_RGB32);
    out.fill(QColor(150, 158, 168));
    QPainter p(&out);
    drawMainWindow(p, img, {20, 20});
    drawManager(p, img, {800, 20});
    drawAbout(p, img, {800, 440});
    p.drawImage(QRect(20, 580, 58 * 3, 58 * 3), img[QStringLiteral("menu.png")]);
    return out;
}

} // namespace skin
