#include "managedialog.h"
#include "ui_managedlg.h"

#include "app/mirroredrows.h"
#include "app/settings.h"
#include "filechooser.h"
#include "media/filepath.h"
#include "media/mediaprobe.h"
#include "media/ringtonepaths.h"

#include <QDir>
#include <QMessageBox>

namespace {

const int phonePathRole = Qt::UserRole + 1;
const int textToneRole = Qt::UserRole + 2;

QString phonePath(const QString &fileName)
{
    return QStringLiteral("/iTunes_Control/Ringtones/") + fileName;
}

} // namespace

ManageDialog::ManageDialog(QWidget *parent)
    : QxDialog(parent)
    , ui(new Ui::manageDlg)
{
    setBackground(QStringLiteral(":/images/register_bg.png"));
    ui->setupUi(this);
    // Right to left, the panel's controls turn about its middle: the list goes right, the
    // buttons left, the name's label right of its field. Logo and close stay with the skin.
    MirroredRows panel;
    panel.addRow({ui->listRingtone,
                  ui->labelName,
                  ui->editName,
                  ui->btnRename,
                  ui->btnKind,
                  ui->btnRemove,
                  ui->btnIPhoneToPc,
                  ui->btnRestart,
                  ui->btnReplace,
                  ui->btnPcToIPhone});
    panel.place(layoutDirection() == Qt::RightToLeft);

    connect(ui->btnRemove, &QPushButton::clicked, this, &ManageDialog::onBtnRemove);
    connect(ui->btnRename, &QPushButton::clicked, this, &ManageDialog::onBtnRename);
    connect(ui->btnReplace, &QPushButton::clicked, this, &ManageDialog::onBtnReplace);
    connect(ui->btnIPhoneToPc, &QPushButton::clicked, this, &ManageDialog::onBtnIPhoneToPc);
    connect(ui->btnPcToIPhone, &QPushButton::clicked, this, &ManageDialog::onBtnPcToIPhone);
    connect(ui->btnRestart, &QPushButton::clicked, this, &ManageDialog::onBtnRestart);
    connect(ui->btnKind, &QPushButton::clicked, this, &ManageDialog::onBtnKind);
    connect(ui->listRingtone,
            &QListWidget::currentRowChanged,
            this,
            &ManageDialog::onListSelectChange);
    // Only the user's typing reaches the slot; text set by the dialog does not.
    connect(ui->editName, &QLineEdit::textEdited, this, &ManageDialog::onEditNameChange);

    // Drawn over the empty list, never an item of it, so rows stay the phone's indexes.
    noPhoneHint = new QLabel(tr("Connect your iPhone to see its ringtones."),
                             ui->listRingtone->viewport());
    noPhoneHint->setAlignment(Qt::AlignCenter);
    noPhoneHint->setWordWrap(true);
    noPhoneHint->setMargin(12);
    noPhoneHint->setAttribute(Qt::WA_TransparentForMouseEvents);
    noPhoneHint->setStyleSheet(QStringLiteral("color: rgb(110, 110, 110);"));
    // Tab follows the dialog as it reads: the list, its name, then the buttons down the page.
    const QList<QWidget *> order = {ui->listRingtone,
                                    ui->editName,
                                    ui->btnRename,
                                    ui->btnKind,
                                    ui->btnRemove,
                                    ui->btnIPhoneToPc,
                                    ui->btnRestart,
                                    ui->btnReplace,
                                    ui->btnPcToIPhone};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    ui->listRingtone->setFocus();

    refreshList();
    ui->btnRename->setEnabled(false);
    ui->btnPcToIPhone->setEnabled(false);
    ui->listRingtone->setCurrentRow(0);
    updateButtons();
}

ManageDialog::~ManageDialog()
{
    delete ui;
}

// The item's row is the phone's index of the ringtone, so the list is always read whole.
void ManageDialog::refreshList()
{
    ui->listRingtone->clear();
    QString title;
    QString fileName;
    for (int i = 0; device.ringtone(i, title, fileName); ++i) {
        auto *item = new QListWidgetItem(unescapeTitle(title), ui->listRingtone);
        // A long title is cut by the list's width; the tool tip shows it whole.
        item->setData(phonePathRole, phonePath(fileName));
        item->setData(textToneRole, device.isTextTone(i));
        showEntry(item);
    }
}

void ManageDialog::setWaitingCheck(std::function<bool(const QString &)> check)
{
    isWaiting = std::move(check);
    showWaiting();
}

void ManageDialog::showWaiting()
{
    for (int row = 0; row < ui->listRingtone->count(); ++row)
        showEntry(ui->listRingtone->item(row));
}

// The icon tells the kind; the tool tip shows a title cut by the list's width whole, with its
// kind and whether its changes still wait to be sent.
void ManageDialog::showEntry(QListWidgetItem *item)
{
    QStringList notes;
    if (device.canSetKind()) {
        const bool textTone = item->data(textToneRole).toBool();
        item->setIcon(QIcon(textTone ? QStringLiteral(":/images/kind_tone.png")
                                     : QStringLiteral(":/images/kind_ringtone.png")));
        notes << (textTone ? tr("text tone") : tr("ringtone"));
    }
    const bool waiting = isWaiting && isWaiting(fileNameAt(ui->listRingtone->row(item)));
    if (waiting)
        notes << tr("waiting to be sent");
    QFont font = ui->listRingtone->font();
    font.setItalic(waiting);
    item->setFont(font);
    item->setToolTip(notes.isEmpty() ? item->text()
                                     : QStringLiteral("%1 (%2)").arg(
                                             item->text(), notes.join(QStringLiteral(", "))));
}

// Changes the library keeps after a failed commit are sent again by the window.
bool ManageDialog::commitChanges(const QStringList &fileNames)
{
    const int result = device.commit();
    if (result >= 0) {
        emit committed();
    } else if (DeviceLink::keepsChanges(result)) {
        for (const QString &fileName : fileNames)
            emit commitKept(fileName);
        if (fileNames.isEmpty())
            emit commitKept(QString());
    }
    return result >= 0;
}

void ManageDialog::showNoPhoneHint()
{
    noPhoneHint->setGeometry(QRect(QPoint(0, 0), ui->listRingtone->contentsRect().size()));
    noPhoneHint->setVisible(!phoneAttached && ui->listRingtone->count() == 0);
}

void ManageDialog::updateButtons()
{
    showNoPhoneHint();
    const bool any = ui->listRingtone->count() > 0;
    if (!any) {
        ui->editName->setText(QString());
        currentName.clear();
    }
    ui->btnRemove->setEnabled(any);
    ui->btnReplace->setEnabled(any);
    ui->btnIPhoneToPc->setEnabled(any);
    ui->editName->setEnabled(any);
    // An older library cannot tell a text tone from a ringtone.
    ui->btnKind->setEnabled(any && device.canSetKind());
    const QListWidgetItem *item = ui->listRingtone->currentItem();
    ui->btnKind->setText(item && item->data(textToneRole).toBool() ? tr("As Ringtone")
                                                                   : tr("As Text Tone"));
    // An older library cannot restart the phone; without a phone there is none to restart.
    ui->btnRestart->setEnabled(phoneAttached && device.canRestart());
}

void ManageDialog::onPhoneConnect(bool bConnect)
{
    phoneAttached = bConnect;
    if (bConnect) {
        refreshList();
        ui->listRingtone->setCurrentRow(0);
    } else {
        ui->listRingtone->clear();
    }
    ui->btnPcToIPhone->setEnabled(bConnect);
    ui->btnRename->setEnabled(false);
    updateButtons();
}

// A failed commit may leave the phone otherwise than the list shows: show what it holds.
void ManageDialog::relistAfterFailure()
{
    const int row = ui->listRingtone->currentRow();
    refreshList();
    ui->listRingtone->setCurrentRow(qMin(row, ui->listRingtone->count() - 1));
    ui->btnRename->setEnabled(false);
    updateButtons();
}

void ManageDialog::onListSelectChange(int row)
{
    const QListWidgetItem *item = row < 0 ? nullptr : ui->listRingtone->item(row);
    if (!item)
        return;
    currentName = item->text();
    ui->editName->setText(currentName);
    updateButtons();
}

void ManageDialog::onEditNameChange(QString text)
{
    ui->btnRename->setEnabled(text != currentName);
}

void ManageDialog::onBtnRename()
{
    const QString text = ui->editName->text();
    if (text == currentName)
        return;
    const int row = ui->listRingtone->currentRow();
    device.renameRingtone(row, escapeTitle(text));
    if (!commitChanges({fileNameAt(row)})) {
        relistAfterFailure();
        return;
    }
    if (QListWidgetItem *item = ui->listRingtone->item(row)) {
        item->setText(text);
        showEntry(item);
        currentName = text;
        ui->btnRename->setEnabled(false);
    }
}

// Committed at once, as a rename is: the phone plays the tone for calls or for messages.
void ManageDialog::onBtnKind()
{
    QListWidgetItem *item = ui->listRingtone->currentItem();
    if (!item)
        return;
    const int row = ui->listRingtone->row(item);
    const bool textTone = !item->data(textToneRole).toBool();
    if (device.setRingtoneKind(row, textTone) < 0 || !commitChanges({fileNameAt(row)})) {
        relistAfterFailure();
        return;
    }
    item->setData(textToneRole, textTone);
    showEntry(item);
    updateButtons();
}

void ManageDialog::onBtnRemove()
{
    const int row = ui->listRingtone->currentRow();
    if (row < 0)
        return;
    const QString path = ui->listRingtone->item(row)->data(phonePathRole).toString();
    const QMessageBox::StandardButton answer
            = QMessageBox::question(this,
                                    productTitle(),
                                    QStringLiteral("Remove Ringtone: %2").arg(currentName),
                                    QMessageBox::Yes | QMessageBox::No,
                                    QMessageBox::No);
    if (answer != QMessageBox::Yes || !stillListed(row, path))
        return;
    device.removeRingtone(row);
    if (!commitChanges({})) {
        relistAfterFailure();
        return;
    }
    // The rows below move up by one, as the phone's indexes do.
    delete ui->listRingtone->takeItem(row);
    updateButtons();
}

void ManageDialog::onBtnReplace()
{
    const int row = ui->listRingtone->currentRow();
    if (row < 0)
        return;
    const QString path = ui->listRingtone->item(row)->data(phonePathRole).toString();
    const QString chosen = CFileChooser::instance().openFile(this, startFolder(), fileFilter());
    if (chosen.isEmpty() || !stillListed(row, path))
        return;
    device.replaceOnPhone(path, chosen);
}

void ManageDialog::onBtnIPhoneToPc()
{
    const int row = ui->listRingtone->currentRow();
    if (row < 0)
        return;
    const QListWidgetItem *item = ui->listRingtone->item(row);
    const QString path = item->data(phonePathRole).toString();
    const QString chosen = CFileChooser::instance().saveFile(
            this, proposedSavePath(item->text(), path, startFolder()), fileFilter());
    if (chosen.isEmpty() || !stillListed(row, path))
        return;
    device.copyFromPhone(path, chosen);
}

void ManageDialog::onBtnPcToIPhone()
{
    const QStringList chosen
            = CFileChooser::instance().openFiles(this, startFolder(), fileFilter());
    if (chosen.isEmpty())
        return;
    const int listed = ui->listRingtone->count();
    for (const QString &file : chosen) {
        if (!isRegularFile(file))
            continue;
        const QString native = QDir::toNativeSeparators(file);
        CMediaProbe probe;
        probe.probe(native.toUtf8().constData());
        device.addRingtone(native, int(probe.duration() * 1000.0));
    }
    const bool sent = commitChanges({});
    refreshList();
    // The new entries are listed after the others, sent or not.
    if (!sent) {
        for (int row = listed; row < ui->listRingtone->count(); ++row)
            emit commitKept(fileNameAt(row));
        showWaiting();
    }
    ui->btnRename->setEnabled(false);
    ui->listRingtone->setCurrentRow(0);
    updateButtons();
}

// The phone lists new ringtones only once it has started again, so the user may want that now.
void ManageDialog::onBtnRestart()
{
    const QMessageBox::StandardButton answer = QMessageBox::question(
            this,
            productTitle(),
            tr("Restart the iPhone now? New ringtones show up in Settings, Sounds once it has "
               "started again."),
            QMessageBox::Yes | QMessageBox::No,
            QMessageBox::No);
    // The phone may have gone while the question was open.
    if (answer != QMessageBox::Yes || !phoneAttached)
        return;
    if (device.restartPhone() < 0)
        QMessageBox::warning(this,
                             productTitle(),
                             tr("The iPhone could not be restarted. Hold its side button and "
                                "a volume button to turn it off, then turn it on again."));
}

QString ManageDialog::fileNameAt(int row) const
{
    const QListWidgetItem *item = ui->listRingtone->item(row);
    return item ? item->data(phonePathRole).toString().section(QLatin1Char('/'), -1) : QString();
}

// A question or file dialog keeps the event loop running: the phone may go, or another come,
// while it is open. The action goes on only if the row still holds the ringtone it was for;
// an index of another listing would name another ringtone.
bool ManageDialog::stillListed(int row, const QString &phonePath) const
{
    const QListWidgetItem *item = ui->listRingtone->item(row);
    return item && item->data(phonePathRole).toString() == phonePath;
}

QString ManageDialog::startFolder() const
{
    return QDir::fromNativeSeparators(readSetting(QStringLiteral("OutputFolder"), QString()));
}

QString ManageDialog::fileFilter() const
{
    return tr("Ringtone Formats(*.m4a;*.m4r)");
}

QString ManageDialog::escapeTitle(QString title)
{
    return title.replace(QLatin1Char('<'), QLatin1String("&lt;"))
            .replace(QLatin1Char('>'), QLatin1String("&gt;"));
}

QString ManageDialog::unescapeTitle(QString title)
{
    return title.replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"));
}
