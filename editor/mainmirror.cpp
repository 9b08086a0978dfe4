// Right to left, as Arabic is read: Qt mirrors the form's layouts, the check boxes and the
// menus itself; the controls placed by hand are mirrored row by row. The clip strip keeps time
// running left to right: a waveform is not text; so do the time fields, whose sections a
// right-to-left field would show in reverse order.
#include "maindialog.h"
#include "ui_maindialog.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTimeEdit>

void MainDialog::placeForDirection()
{
    if (!handPlaced) {
        handPlaced = std::make_unique<MirroredRows>();
        handPlaced->addRow({ui->labelInput, ui->editInputFile, ui->btnBrowseIn});
        handPlaced->addRow({ui->labelFadein, ui->spinFadein});
        handPlaced->addRow({labelFadeout, spinFadeout});
        // The kind turns with the export row, whose check box Qt's layout moves right.
        handPlaced->addRow({ui->layoutWidget1, comboToneKind});
    }
    for (QWidget *timeline : {static_cast<QWidget *>(ui->sliderBar),
                              static_cast<QWidget *>(ui->editStartTime),
                              static_cast<QWidget *>(ui->editEndTime)})
        timeline->setLayoutDirection(Qt::LeftToRight);
    handPlaced->place(layoutDirection() == Qt::RightToLeft);
    placeEvenLoudness();
}
