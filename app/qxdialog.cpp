#include "qxdialog.h"

#include "app/windowdrag.h"

#include <QBitmap>
#include <QPixmap>

// The mask alone leaves a system frame around the shape on most desktops. Where a compositor
// blends windows, the picture's transparent pixels are seen through rather than cut out.
QxDialog::QxDialog(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    new WindowDrag(this);
}

QxDialog::~QxDialog() = default;

// Only pixels that are exactly transparent black are cut out; soft edges stay in the window.
void QxDialog::setBackground(QString imagePath)
{
    const QPixmap picture(imagePath);
    setMask(picture.createMaskFromColor(QColor(Qt::transparent)));
    resize(picture.size());
}
