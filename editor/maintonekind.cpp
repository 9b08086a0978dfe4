// Whether Export to iPhone sends the ringtone as a ringtone or as a text (alert) tone: the
// choice beside the check box, its setting, and the one call a text tone adds to the export.
#include "maindialog.h"
#include "ui_maindialog.h"

#include "app/settings.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>

namespace {

const QString toneKindKey = QStringLiteral("ToneKind");
const QString ringtoneValue = QStringLiteral("ringtone");
const QString textToneValue = QStringLiteral("tone");

// Right of the export check box, where the iTunes box would be (it is never shown here).
const QRect toneKindRect(199, 440, 155, 22);

} // namespace

void MainDialog::buildToneKindControls()
{
    comboToneKind = new QComboBox(this);
    comboToneKind->setObjectName(QStringLiteral("comboToneKind"));
    comboToneKind->setGeometry(toneKindRect);
    comboToneKind->addItem(QString(), ringtoneValue);
    comboToneKind->addItem(QString(), textToneValue);
    // A missing or unknown value sends ringtones, as the form always did.
    const bool textTone = readSetting(toneKindKey, ringtoneValue) == textToneValue;
    comboToneKind->setCurrentIndex(textTone ? 1 : 0);
    // An older device library cannot mark a text tone: every tone goes as a ringtone then.
    comboToneKind->setEnabled(device.canSetKind());
    connect(comboToneKind, &QComboBox::currentIndexChanged, this, [this] {
        writeSetting(toneKindKey, comboToneKind->currentData().toString());
    });
    // On Linux a drop-down reads its current item as its name and its label through a
    // buddy: this one has no label on screen, so an unseen one names it.
    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("labelToneKind"));
    label->hide();
    label->setBuddy(comboToneKind);
    setTabOrder(ui->checkExport, comboToneKind);
    setTabOrder(comboToneKind, ui->checkExportITunes);
    retranslateToneKindControls();
}

void MainDialog::retranslateToneKindControls()
{
    comboToneKind->setItemText(0, tr("as ringtone"));
    comboToneKind->setItemText(1, tr("as text tone"));
    comboToneKind->setAccessibleName(tr("Send to the iPhone as"));
    findChild<QLabel *>(QStringLiteral("labelToneKind"))->setText(comboToneKind->accessibleName());
    // Its list of kinds is read on its own once it opens.
    comboToneKind->view()->setAccessibleName(comboToneKind->accessibleName());
    comboToneKind->setToolTip(
            tr("A ringtone rings for calls; a text tone sounds for messages and alerts"));
}

bool MainDialog::sendsTextTone() const
{
    return comboToneKind->isEnabled() && comboToneKind->currentIndex() == 1;
}
