#include "labelfit.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QVariant>

namespace {

const char *const formFontProperty = "formFont";

} // namespace

bool labelTextFits(const QLabel *label, int gap)
{
    const QRect room = label->contentsRect().adjusted(0, 0, -gap, 0);
    const QFontMetrics metrics(label->font());
    if (!label->wordWrap())
        return metrics.horizontalAdvance(label->text()) <= room.width()
                && metrics.height() <= room.height();
    const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap, label->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void fitLabelText(QLabel *label, int gap, int smallest)
{
    if (!label->property(formFontProperty).isValid())
        label->setProperty(formFontProperty, label->font());
    QFont font = label->property(formFontProperty).value<QFont>();
    label->setFont(font);
    while (!labelTextFits(label, gap) && font.pointSize() > smallest) {
        font.setPointSize(font.pointSize() - 1);
        label->setFont(font);
    }
}
