// Right to left, as Arabic is read: Qt mirrors the form's layouts, the check boxes and the
// menus itself; the controls placed by hand are mirrored row by row. The clip strip keeps time
// running left to right: a waveform is not text; so do the time fields, whose sections a
// right-to-left field would show in reverse order.
#include "maindialog.h"
#include "ui_maindialog.h"

#include "bottomrows.h"
#include "previewstop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>

void MainDialog::placeForDirection()
{
    if (!handPlaced) {
        handPlaced = std::make_unique<MirroredRows>();
        handPlaced->addRow({ui->labelInput, ui->editInputFile, ui->btnBrowseIn});
        handPlaced->addRow({ui->labelFadein, ui->spinFadein});
        // Loop is read after the fade-out's field, so it turns with that row.
        handPlaced->addRow({labelFadeout, spinFadeout, checkLoop});
        // The play buttons change places about Pause, raised in their middle, so they stay clear
        // of the fade-in above them; their pictures keep pointing right, as a player's play
        // triangle does in every language.
        handPlaced->addRowAbout(
                {btnSuggest, ui->btnPlay, ui->btnPause, ui->btnPlayClip, previewStop->button()},
                ui->btnPause);
        // The kind turns with the export row, whose check box Qt's layout moves right.
        handPlaced->addRow({ui->layoutWidget1, comboToneKind});
    }
    for (QWidget *timeline : {static_cast<QWidget *>(ui->sliderBar),
                              static_cast<QWidget *>(ui->editStartTime),
                              static_cast<QWidget *>(ui->editEndTime)})
        timeline->setLayoutDirection(Qt::LeftToRight);
    handPlaced->place(layoutDirection() == Qt::RightToLeft);
    placeBottomRows(ui->layoutWidget, ui->labelStatus, layoutDirection() == Qt::RightToLeft);
    placeEvenLoudness();
}
