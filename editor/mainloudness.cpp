// The clip's loudness beside the volume, and the option that sets the volume so that every
// ringtone reaches the same loudness.
#include "maindialog.h"
#include "ui_maindialog.h"

#include "app/settings.h"
#include "editor/volumelevels.h"

#include <QCheckBox>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString evenKey = QStringLiteral("EvenLoudness");
// The streaming services' norm; a phone's small speaker needs a ringtone that loud.
constexpr double evenTarget = -14.0;

const QRect loudnessRect(478, 326, 108, 16);
// On the export row, under the fade-out column, short of the Generate button.
const QRect evenRect(410, 440, 130, 22);

} // namespace

void MainDialog::buildLoudnessControls()
{
    labelLoudness = new QLabel(this);
    labelLoudness->setObjectName(QStringLiteral("labelLoudness"));
    labelLoudness->setGeometry(loudnessRect);
    labelLoudness->setAlignment(Qt::AlignCenter);
    labelLoudness->setProperty("st", ui->labelVolume->property("st"));

    checkEvenLoudness = addCheckBox(QStringLiteral("checkEvenLoudness"), evenRect);
    checkEvenLoudness->setChecked(readSetting(evenKey, QString()) == QLatin1String("true"));
    connect(checkEvenLoudness, &QCheckBox::toggled, this, [this](bool on) {
        writeSetting(evenKey, on ? QStringLiteral("true") : QStringLiteral("false"));
        if (on)
            applyEvenLoudness();
    });

    clipLoudness = std::numeric_limits<double>::quiet_NaN();
    madeLoudness = clipLoudness;
    connect(&fileIntake, &FileIntake::ready, this, &MainDialog::takeIntake);
    connect(&clipMeter, &ClipLoudness::measured, this, [this](double loudness, double gain) {
        madeLoudness = loudness;
        madeGain = gain;
        showLoudness();
    });
    // On the export row, and Tab reaches it after the export box.
    setTabOrder(ui->checkExport, checkEvenLoudness);
    setTabOrder(checkEvenLoudness, ui->btnGenerate);
    retranslateLoudnessControls();
}

void MainDialog::retranslateLoudnessControls()
{
    checkEvenLoudness->setText(tr("Even loudness"));
    placeEvenLoudness();
    checkEvenLoudness->setToolTip(tr("Even loudness: the volume is set so that the ringtone "
                                     "reaches -14 LUFS, as loud as streamed music"));
    labelLoudness->setToolTip(tr("The ringtone's loudness at this volume (integrated, in LUFS)"));
    showLoudness();
}

// A longer label grows towards the export box. Right to left, the form puts the export box at
// the row's other end, so this box changes ends too.
void MainDialog::placeEvenLoudness()
{
    if (!checkEvenLoudness)
        return;
    // It stops short of the tone kind on its left.
    const int widest = 180;
    const int width = std::clamp(checkEvenLoudness->sizeHint().width(), evenRect.width(), widest);
    QRect place(evenRect.right() + 1 - width, evenRect.top(), width, evenRect.height());
    if (layoutDirection() == Qt::RightToLeft) {
        const int rowLeft = ui->checkExport->parentWidget()->geometry().left();
        place.moveLeft(rowLeft + evenRect.right() - place.right());
    }
    checkEvenLoudness->setGeometry(place);
}

// The clip changed: its loudness is measured again, and Even loudness sets the volume for it
// once this edit is over, as an undo step of its own.
void MainDialog::scheduleLoudness()
{
    measureLoudness();
    if (checkEvenLoudness && checkEvenLoudness->isChecked() && std::isfinite(clipLoudness))
        QTimer::singleShot(0, this, [this] {
            if (checkEvenLoudness->isChecked())
                applyEvenLoudness();
        });
}

// The loudness before the limiter follows from the file's blocks at once; the ringtone's own
// comes when measured.
void MainDialog::measureLoudness()
{
    if (!labelLoudness)
        return;
    const bool known = fileDuration > 0 && clipModel.isValid() && clipMeter.hasSource();
    clipLoudness = known ? clipMeter.plain(clipModel.begin(), clipModel.end())
                         : std::numeric_limits<double>::quiet_NaN();
    if (known)
        clipMeter.measure(
                clipModel.begin(), clipModel.end(), volumeGain(ui->sliderVolume->position()));
    else
        madeLoudness = clipLoudness;
    showLoudness();
}

// Until the ringtone at this volume is measured, the label shows the loudness before the
// limiter, which only ever takes off.
void MainDialog::showLoudness()
{
    if (!labelLoudness)
        return;
    const double gain = volumeGain(ui->sliderVolume->position());
    const double loudness = madeGain == gain && std::isfinite(madeLoudness)
            ? madeLoudness
            : loudnessAt(clipLoudness, ui->sliderVolume->position());
    labelLoudness->setText(std::isfinite(loudness) ? tr("%1 LUFS").arg(loudness, 0, 'f', 1)
                                                   : QString());
}

// One volume step, undone like a move of the slider.
void MainDialog::applyEvenLoudness()
{
    const int current = ui->sliderVolume->position();
    const int position = evenLoudnessPosition(clipLoudness, evenTarget, current);
    if (position == current)
        return;
    beginEditStep(EditSource::Volume);
    ui->sliderVolume->setPos(position);
    onVolumeSliderMoved(position);
    endEditStep();
}
