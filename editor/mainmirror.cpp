// Right to left, as Arabic is read: Qt mirrors the form's layouts, the check boxes and the
// menus itself; the controls placed by hand are mirrored here, each row within the stretch it
// already takes, so the skin's panels stay where they are drawn. The clip strip keeps time
// running left to right: a waveform is not text; so do the time fields, whose sections a
// right-to-left field would show in reverse order.
#include "maindialog.h"
#include "ui_maindialog.h"

#include <QLabel>
#include <QSpinBox>
#include <QTimeEdit>

QList<QList<QWidget *>> MainDialog::mirroredRows() const
{
    return {{ui->labelInput, ui->editInputFile, ui->btnBrowseIn},
            {ui->labelFadein, ui->spinFadein},
            {labelFadeout, spinFadeout}};
}

void MainDialog::placeForDirection()
{
    for (QWidget *timeline : {static_cast<QWidget *>(ui->sliderBar),
                              static_cast<QWidget *>(ui->editStartTime),
                              static_cast<QWidget *>(ui->editEndTime)})
        timeline->setLayoutDirection(Qt::LeftToRight);
    const bool mirrored = layoutDirection() == Qt::RightToLeft;
    for (const QList<QWidget *> &row : mirroredRows()) {
        QRect span;
        for (QWidget *widget : row) {
            if (!leftToRightPlaces.contains(widget))
                leftToRightPlaces.insert(widget, widget->geometry());
            span |= leftToRightPlaces.value(widget);
        }
        for (QWidget *widget : row) {
            QRect place = leftToRightPlaces.value(widget);
            if (mirrored)
                place.moveLeft(span.left() + span.right() - place.right());
            widget->setGeometry(place);
        }
    }
}
