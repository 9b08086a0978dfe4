#include "waveimage.h"

#include <QPainter>

int waveRow(int value, int height)
{
    const float scale = float(height) / 65534.0f;
    return height / 2 - int(float(value) * scale);
}

static void paintBars(QPainter &painter, const std::vector<WavePeak> &peaks, int height)
{
    painter.setPen(Qt::yellow);
    for (int x = 0; x < int(peaks.size()); ++x) {
        const WavePeak &peak = peaks[size_t(x)];
        painter.drawLine(QPoint(x, waveRow(peak.min, height)),
                         QPoint(x, waveRow(peak.max, height)));
    }
}

// Both outlines start on the centre line of column 0.
static void paintOutline(QPainter &painter, const std::vector<WavePeak> &peaks, int height)
{
    painter.setPen(Qt::black);
    painter.setRenderHint(QPainter::Antialiasing);
    QPoint upper(0, height / 2);
    QPoint lower = upper;
    for (int x = 0; x < int(peaks.size()); ++x) {
        const WavePeak &peak = peaks[size_t(x)];
        const QPoint top(x, waveRow(peak.max, height));
        painter.drawLine(upper, top);
        upper = top;
        const QPoint bottom(x, waveRow(peak.min, height));
        painter.drawLine(lower, bottom);
        lower = bottom;
    }
}

QImage paintWavePeaks(const std::vector<WavePeak> &peaks, int height)
{
    if (peaks.empty() || height <= 0)
        return QImage();
    QImage image(int(peaks.size()), height, QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    image.fill(0);
    QPainter painter(&image);
    paintBars(painter, peaks, height);
    paintOutline(painter, peaks, height);
    return image;
}
