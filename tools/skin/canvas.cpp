#include "canvas.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace skin {

namespace {

qreal currentRatio = 1.0;

QImage canvas(QSize size, qreal ratio)
{
    QImage image(qRound(size.width() * ratio),
                 qRound(size.height() * ratio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

void setPixelRatio(qreal ratio)
{
    currentRatio = ratio;
}

qreal pixelRatio()
{
    return currentRatio;
}

QImage canvas(int width, int height)
{
    return canvas(QSize(width, height), currentRatio);
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    auto lerp = [t](qreal x, qreal y) { return x + (y - x) * t; };
    return QColor::fromRgbF(float(lerp(a.redF(), b.redF())),
                            float(lerp(a.greenF(), b.greenF())),
                            float(lerp(a.blueF(), b.blueF())),
                            float(lerp(a.alphaF(), b.alphaF())));
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QColor grayed(const QColor &c)
{
    const int v = qGray(c.rgb());
    return QColor(v, v, std::min(255, v + 6), c.alpha());
}

namespace {

// One box-blur pass along a line of premultiplied pixels; three passes approximate a Gaussian.
void blurLine(QRgb *data, int count, int stride, int radius, std::vector<QRgb> &scratch)
{
    scratch.resize(count);
    for (int i = 0; i < count; ++i)
        scratch[i] = data[i * stride];
    const int window = 2 * radius + 1;
    for (int i = 0; i < count; ++i) {
        int sum[4] = {0, 0, 0, 0};
        for (int k = i - radius; k <= i + radius; ++k) {
            if (k < 0 || k >= count)
                continue;
            const QRgb px = scratch[k];
            sum[0] += qAlpha(px);
            sum[1] += qRed(px);
            sum[2] += qGreen(px);
            sum[3] += qBlue(px);
        }
        data[i * stride]
                = qRgba(sum[1] / window, sum[2] / window, sum[3] / window, sum[0] / window);
    }
}

} // namespace

QImage blurred(const QImage &image, int radius)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    radius = qRound(radius * image.devicePixelRatio());
    if (radius <= 0)
        return out;
    std::vector<QRgb> scratch;
    const int w = out.width();
    const int h = out.height();
    auto *bits = reinterpret_cast<QRgb *>(out.bits());
    const int stride = int(out.bytesPerLine() / sizeof(QRgb));
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            blurLine(bits + y * stride, w, 1, radius, scratch);
        for (int x = 0; x < w; ++x)
            blurLine(bits + x, h, stride, radius, scratch);
    }
    return out;
}

void softShadow(
        QPainter &p, const QPainterPath &shape, QPointF offset, int blur, const QColor &color)
{
    // The layer matches the target's pixels, whatever ratio the target was made at.
    const qreal ratio = p.device()->devicePixelRatio();
    const QSize size(qRound(p.device()->width() / ratio), qRound(p.device()->height() / ratio));
    QImage layer = canvas(size, ratio);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.fillPath(shape.translated(offset), color);
    }
    p.drawImage(0, 0, blurred(layer, blur));
}

void hardenEdges(QImage &image, const QColor &edge)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a == 255)
                continue;
            if (a < 128) {
                line[x] = 0;
                continue;
            }
            const qreal t = a / 255.0;
            auto over = [t](int c, int e) { return int(c * t + e * (1 - t) + 0.5); };
            line[x] = qRgb(over(qRed(line[x]), edge.red()),
                           over(qGreen(line[x]), edge.green()),
                           over(qBlue(line[x]), edge.blue()));
        }
    }
}

QPainterPath roundedRect(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

} // namespace skin
