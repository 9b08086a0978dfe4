#ifndef QRCODEVIEW_H
#define QRCODEVIEW_H

#include "core/qrmatrix.h"

#include <QWidget>

// A QR code drawn module by module on whole device pixels, so it stays sharp at any scale:
// each module is the same whole number of device pixels, the code centred in a white square.
class QrCodeView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QrCodeView)

public:
    explicit QrCodeView(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const { return m_text; }

    // Device pixels per module for a square of `devicePixels` holding `modules` plus the
    // quiet zone on both sides; at least 1.
    static int modulePixels(int devicePixels, int modules);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QrMatrix m_matrix;
};

#endif
