// The ringtone's fade-out and the loop preview: the controls the player library may lack, their
// settings, and what Play Clip and Generate pass on.
#include "maindialog.h"
#include "ui_maindialog.h"

#include "app/settings.h"

#include <QCheckBox>
#include <QLabel>
#include <QShortcut>
#include <QSpinBox>

#include <cmath>

namespace {

const QString fadeOutKey = QStringLiteral("FadeOut");
const QString loopKey = QStringLiteral("Loop");
const QKeySequence loopShortcut(Qt::Key_L);

// Where the new controls sit: right of the output name, clear of every control the form places,
// wide enough for the label and the box in each language. The label's text keeps to its field.
const QRect fadeOutLabelRect(404, 382, 95, 28);
const QRect fadeOutSpinRect(501, 384, 46, 22);
const QRect loopRect(552, 384, 79, 22);

} // namespace

void MainDialog::buildShapeControls()
{
    labelFadeout = new QLabel(this);
    labelFadeout->setObjectName(QStringLiteral("labelFadeout"));
    labelFadeout->setGeometry(fadeOutLabelRect);
    labelFadeout->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    labelFadeout->setFont(ui->labelFadein->font());
    labelFadeout->setProperty("st", ui->labelFadein->property("st"));

    spinFadeout = new QSpinBox(this);
    spinFadeout->setObjectName(QStringLiteral("spinFadeout"));
    spinFadeout->setGeometry(fadeOutSpinRect);
    spinFadeout->setRange(0, ui->spinFadein->maximum());
    labelFadeout->setBuddy(spinFadeout);

    checkLoop = addCheckBox(QStringLiteral("checkLoop"), loopRect);

    // A missing key leaves the ringtone as the form makes it: no fade-out, no loop.
    spinFadeout->setValue(readSetting(fadeOutKey, QStringLiteral("0")).toInt());
    checkLoop->setChecked(readSetting(loopKey, QString()) == QLatin1String("true"));
    // An older player library cannot preview them; the ringtone's fade-out needs the preview.
    labelFadeout->setEnabled(player.canFadeOut());
    spinFadeout->setEnabled(player.canFadeOut());
    checkLoop->setEnabled(player.canLoop());

    connect(spinFadeout, &QSpinBox::valueChanged, this, &MainDialog::onFadeOutChanged);
    connect(spinFadeout, &QSpinBox::editingFinished, this, &MainDialog::onEditFinished);
    connect(checkLoop, &QCheckBox::toggled, this, [](bool on) {
        writeSetting(loopKey, on ? QStringLiteral("true") : QStringLiteral("false"));
    });
    connect(new QShortcut(loopShortcut, this), &QShortcut::activated, this, [this] {
        if (checkLoop->isEnabled())
            checkLoop->toggle();
    });
    // They sit on the output name's row, and Tab reaches them there.
    setTabOrder(ui->editOutputName, spinFadeout);
    setTabOrder(spinFadeout, checkLoop);
    setTabOrder(checkLoop, ui->editOutputFolder);
    retranslateShapeControls();
}

// A check box drawn as the form's own are.
QCheckBox *MainDialog::addCheckBox(const QString &name, const QRect &rect)
{
    auto *box = new QCheckBox(this);
    box->setObjectName(name);
    box->setGeometry(rect);
    box->setFont(ui->checkExport->font());
    box->setStyleSheet(ui->checkExport->styleSheet());
    return box;
}

void MainDialog::retranslateShapeControls()
{
    labelFadeout->setText(tr("Fade out:"));
    spinFadeout->setToolTip(tr("Seconds over which the ringtone's end fades to silence"));
    spinFadeout->setAccessibleName(tr("Fade out"));
    checkLoop->setText(tr("Loop"));
    checkLoop->setToolTip(QStringLiteral("%1 (%2)").arg(
            tr("Play Clip repeats the clip with its fades, as the phone will, until stopped"),
            loopShortcut.toString(QKeySequence::NativeText)));
}

void MainDialog::onFadeOutChanged()
{
    writeSetting(fadeOutKey, QString::number(spinFadeout->value()));
    if (restoringEdit)
        return;
    beginEditStep(EditSource::FadeOut);
    stateShown = editState();
}

int MainDialog::fadeOutSeconds() const
{
    return spinFadeout->isEnabled() ? spinFadeout->value() : 0;
}

// Before a clip preview, what only the newer player library does; nothing is asked of it at the
// form's defaults, so a clip preview then calls exactly what it always called.
void MainDialog::prepareClipShape()
{
    // The encoder cuts round(start x rate) and round(length x rate) frames; the clip's end, in
    // the player's frames, must fall where the ringtone ends.
    constexpr double rate = 44100.0;
    const double begin = secondsOf(clipModel.begin());
    const double end = double(std::llround(begin * rate)
                              + std::llround(secondsOf(clipModel.length()) * rate))
            / rate;
    if (fadeOutSeconds() > 0)
        player.setFadeOut(fadeOutSeconds(), end);
    loopingClip = checkLoop->isEnabled() && checkLoop->isChecked();
    if (loopingClip)
        player.setLoop(begin, end);
}
