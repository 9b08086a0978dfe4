#include "mirroredrows.h"

#include <QWidget>

void MirroredRows::place(bool mirrored)
{
    for (const Row &row : rows) {
        QRect span;
        for (QWidget *widget : row.widgets) {
            if (!leftToRight.contains(widget))
                leftToRight.insert(widget, widget->geometry());
            span |= leftToRight.value(widget);
        }
        if (row.middle)
            span = leftToRight.value(row.middle);
        for (QWidget *widget : row.widgets) {
            QRect place = leftToRight.value(widget);
            if (mirrored)
                place.moveLeft(span.left() + span.right() - place.right());
            widget->setGeometry(place);
        }
    }
}
