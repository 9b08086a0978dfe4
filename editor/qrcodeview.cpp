#include "qrcodeview.h"

#include <QPainter>

QrCodeView::QrCodeView(QWidget *parent)
    : QWidget(parent)
{ }

void QrCodeView::setText(const QString &text)
{
    m_text = text;
    m_matrix = QrMatrix::encode(text);
    update();
}

int QrCodeView::modulePixels(int devicePixels, int modules)
{
    return qMax(1, devicePixels / (modules + 2 * qrQuietZone));
}

void QrCodeView::paintEvent(QPaintEvent *)
{
    if (m_matrix.isEmpty())
        return;
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    // Device pixels from here on: a module never straddles a pixel.
    painter.scale(1 / ratio, 1 / ratio);
    const int side = int(qMin(width(), height()) * ratio);
    const int unit = modulePixels(side, m_matrix.size());
    const int code = unit * (m_matrix.size() + 2 * qrQuietZone);
    const int left = (int(width() * ratio) - code) / 2;
    const int top = (int(height() * ratio) - code) / 2;
    painter.fillRect(QRect(left, top, code, code), Qt::white);
    const int origin = unit * qrQuietZone;
    for (int row = 0; row < m_matrix.size(); ++row) {
        for (int column = 0; column < m_matrix.size(); ++column) {
            if (m_matrix.isDark(row, column))
                painter.fillRect(
                        QRect(left + origin + column * unit, top + origin + row * unit, unit, unit),
                        Qt::black);
        }
    }
}
