// The ringtone's fade-out and the loop preview: the controls the player library may lack, their
// settings, and what Play Clip and Generate pass on.
#include "maindialog.h"
#include "ui_maindialog.h"

#include "app/settings.h"
#include "editor/labelfit.h"
#include "editor/rememberedshaping.h"

#include <QCheckBox>
#include <QLabel>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

const QString fadeOutKey = QStringLiteral("FadeOut");
const QString loopKey = QStringLiteral("Loop");
const QKeySequence loopShortcut(Qt::Key_L);

// Where the new controls sit: right of the output name, clear of every control the form places,
// wide enough for the label and the box in each language. The label's text keeps to its field.
const QRect fadeOutLabelRect(404, 382, 95, 28);
const QRect fadeOutSpinRect(501, 384, 46, 22);
const QRect loopRect(552, 384, 79, 22);
constexpr int labelGap = 4;

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
    // The fade-in's label is tall enough for a second line where its text needs one.
    ui->labelFadein->setWordWrap(true);

    checkLoop = addCheckBox(QStringLiteral("checkLoop"), loopRect);

    // A missing key leaves the ringtone as the form makes it: no fade-out, no loop.
    spinFadeout->setValue(readSetting(fadeOutKey, QStringLiteral("0")).toInt());
    {
        const QSignalBlocker quiet(ui->spinFadein);
        ui->spinFadein->setValue(RememberedShaping::fadeIn());
    }
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
    // Both fade labels stay clear of their boxes in every language.
    fitLabelText(labelFadeout, labelGap);
    fitLabelText(ui->labelFadein, labelGap);
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

// The clip preview as everything is set now; what an older player library cannot do is off.
PreviewShape MainDialog::previewShape() const
{
    PreviewShape shape;
    shape.begin = clipModel.begin();
    shape.length = clipModel.length();
    shape.fadeIn = ui->spinFadein->value();
    shape.fadeOut = fadeOutSeconds();
    shape.loop = checkLoop->isEnabled() && checkLoop->isChecked();
    return shape;
}

// What was kept from last time, told with the first file loaded.
QString MainDialog::rememberedShapingNotice()
{
    RememberedShaping::Values values;
    values.fadeIn = ui->spinFadein->value();
    values.fadeOut = fadeOutSeconds();
    values.loop = checkLoop->isEnabled() && checkLoop->isChecked();
    values.evenLoudness = checkEvenLoudness->isChecked();
    return rememberedShaping.tellOnce(values);
}
