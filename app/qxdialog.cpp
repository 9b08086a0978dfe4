#include "qxdialog.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPixmap>

namespace {

const QPoint noDrag(-1, -1);

} // namespace

// The mask alone leaves a system frame around the shape on most desktops.
QxDialog::QxDialog(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags | Qt::FramelessWindowHint)
{ }

QxDialog::~QxDialog() = default;

// Only pixels that are exactly transparent black are cut out; soft edges stay in the window.
void QxDialog::setBackground(QString imagePath)
{
    const QPixmap picture(imagePath);
    setMask(picture.createMaskFromColor(QColor(Qt::transparent)));
    resize(picture.size());
}

void QxDialog::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

// Any release ends the drag, so a right click during a left drag stops it.
void QxDialog::mouseReleaseEvent(QMouseEvent *)
{
    dragOffset = noDrag;
}

void QxDialog::mouseMoveEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton) && dragOffset != noDrag)
        move(event->globalPosition().toPoint() - dragOffset);
}
