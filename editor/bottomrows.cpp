#include "bottomrows.h"

#include <QRect>
#include <QWidget>

namespace {

// As the form places them.
const QRect linksRect(40, 470, 391, 22);
const QRect statusRect(50, 510, 471, 21);
// Right to left: the links' layout turns within a row that reaches Generate's left side
// (x 543), and the status line ends under Generate as the panel above does.
const QRect mirroredLinksRect(40, 470, 499, 22);
const QRect mirroredStatusRect(160, 510, 471, 21);

} // namespace

void placeBottomRows(QWidget *links, QWidget *status, bool mirrored)
{
    links->setGeometry(mirrored ? mirroredLinksRect : linksRect);
    status->setGeometry(mirrored ? mirroredStatusRect : statusRect);
}
