#include "mirroredrows.h"

#include <QWidget>

void MirroredRows::place(bool mirrored)
{
    for (const QList<QWidget *> &row : rows) {
        QRect span;
        for (QWidget *widget : row) {
            if (!leftToRight.contains(widget))
                leftToRight.insert(widget, widget->geometry());
            span |= leftToRight.value(widget);
        }
        for (QWidget *widget : row) {
            QRect place = leftToRight.value(widget);
            if (mirrored)
                place.moveLeft(span.left() + span.right() - place.right());
            widget->setGeometry(place);
        }
    }
}
