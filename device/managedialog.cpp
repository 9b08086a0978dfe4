#include "managedialog.h"
#include "ui_managedlg.h"

#include "app/mirroredrows.h"
#include "app/settings.h"
#include "filechooser.h"
#include "media/filepath.h"
#include "media/mediaprobe.h"
#include "media/ringtonepaths.h"
#include "newlistoffer.h"
#include "ringtonelistmodel.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include <utility>

namespace {

const int phonePathRole = RingtoneListModel::PhonePathRole;
const int textToneRole = RingtoneListModel::TextToneRole;

} // namespace

ManageDialog::ManageDialog(QWidget *parent, DeviceLink *link)
    : QxDialog(parent)
    , ui(new Ui::manageDlg)
    , ownLink(link ? nullptr : std::make_unique<DeviceLink>())
    , device(link ? *link : *ownLink)
    , model(new RingtoneListModel([this] { return device.canSetKind(); }, this))
    , newListOffer(new NewListOffer(device, this))
{
    setBackground(QStringLiteral(":/images/register_bg.png"));
    ui->setupUi(this);
    ui->listRingtone->setModel(model);
    model->setFont(ui->listRingtone->font());
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
    connect(ui->listRingtone->selectionModel(),
            &QItemSelectionModel::currentRowChanged,
            this,
            [this](const QModelIndex &current) { onListSelectChange(current.row()); });
    // Only the user's typing reaches the slot; text set by the dialog does not.
    connect(ui->editName, &QLineEdit::textEdited, this, &ManageDialog::onEditNameChange);

    // Drawn over the empty list, never an item of it, so rows stay the phone's indexes.
    noPhoneHint = new QLabel(tr("Connect your iPhone to see its ringtones."),
                             ui->listRingtone->viewport());
    noPhoneHint->setObjectName(QStringLiteral("listHint"));
    noPhoneHint->setAlignment(Qt::AlignCenter);
    noPhoneHint->setWordWrap(true);
    noPhoneHint->setMargin(12);
    noPhoneHint->setAttribute(Qt::WA_TransparentForMouseEvents);
    noPhoneHint->setStyleSheet(QStringLiteral("color: rgb(110, 110, 110);"));
    nameControls();
    // Tab follows the dialog as it reads: the close button at the top, the list, its name,
    // then the buttons down the page.
    const QList<QWidget *> order = {ui->btnClose,
                                    ui->listRingtone,
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
    // One line of text each: the view need not measure every row of a long list.
    ui->listRingtone->setUniformItemSizes(true);
    // While the phone works the list and the actions wait, so a row keeps naming its ringtone.
    connect(&device, &DeviceLink::busyChanged, this, &ManageDialog::updateButtons);
    // After a yes the phone holds a new list, with what waited in it.
    connect(newListOffer, &NewListOffer::finished, this, [this](DeviceLink::Result result) {
        if (result == DeviceLink::Ok)
            emit committed();
        relist(0);
    });

    relist(0);
    updateButtons();
}

ManageDialog::~ManageDialog()
{
    delete ui;
}

// The name field is read by its label, the list and the picture-only close button by their
// names; each entry reads its kind in words through the model, as its icon shows it.
void ManageDialog::nameControls()
{
    ui->labelName->setBuddy(ui->editName);
    ui->listRingtone->setAccessibleName(tr("Ringtones on the iPhone"));
    ui->btnClose->setAccessibleName(tr("Close"));
    ui->btnClose->setAccessibleDescription(tr("Closes the ringtone manager"));
}

// The item's row is the phone's index of the ringtone, so the list is always read whole.
void ManageDialog::relist(int row)
{
    const int listedAt = phoneChanges;
    device.listing(this, [this, listedAt, row](const DeviceLink::Listing &listing) {
        if (listedAt == phoneChanges)
            showList(listing, row);
    });
}

// The list is taken whole: rows are made only as the view shows them.
void ManageDialog::showList(const DeviceLink::Listing &listing, int row)
{
    listUnreadable = listing.unreadable;
    if (listUnreadable && !std::exchange(newListOffered, true))
        newListOffer->offer();
    model->setRingtones(listing.tones);
    setCurrentRow(qMin(row, model->rowCount() - 1));
    nameTyped = false;
    updateButtons();
}

void ManageDialog::setWaitingCheck(std::function<bool(const QString &)> check)
{
    model->setWaitingCheck(std::move(check));
}

void ManageDialog::showWaiting()
{
    model->showWaiting();
}

int ManageDialog::currentRow() const
{
    return ui->listRingtone->currentIndex().row();
}

void ManageDialog::setCurrentRow(int row)
{
    ui->listRingtone->setCurrentIndex(model->index(row));
}

QString ManageDialog::textAt(int row) const
{
    return model->index(row).data().toString();
}

// Changes the library keeps after a failed commit are sent again by the window.
void ManageDialog::commitChanges(const QStringList &fileNames,
                                 const QString &change,
                                 std::function<void(bool)> done)
{
    inFlight.append(change);
    device.commit(this, [this, fileNames, change, done](DeviceLink::Result result) {
        inFlight.removeOne(change);
        if (result == DeviceLink::Ok) {
            emit committed();
        } else if (DeviceLink::keepsChanges(result)) {
            for (const QString &fileName : fileNames)
                emit commitKept(fileName);
            if (fileNames.isEmpty())
                emit commitKept(QString());
            emit changesWaiting({change});
        }
        if (done)
            done(result == DeviceLink::Ok);
        tellFailure(result);
    });
}

// A commit may wait for another program's hold on the phone's list: closing does not stop it,
// but the user must know what is not there yet, and the window goes on with it.
void ManageDialog::done(int result)
{
    if (!inFlight.isEmpty()) {
        QMessageBox::information(this,
                                 productTitle(),
                                 tr("These changes were still being written to the iPhone, "
                                    "which another program may hold, and are not applied yet: "
                                    "%1. Vardel goes on trying while it stays open.")
                                         .arg(inFlight.join(QStringLiteral("; "))));
        // What answered while the box was open is no longer in flight.
        if (!inFlight.isEmpty())
            emit changesWaiting(std::exchange(inFlight, {}));
    }
    QxDialog::done(result);
}

// A plain failure keeps its changes, marked as waiting in the list; these the user must read.
void ManageDialog::tellFailure(DeviceLink::Result result)
{
    QString text;
    if (result == DeviceLink::OtherPhone)
        text = tr("Not saved: the iPhone changed before the change was written. The list shows "
                  "what this iPhone holds; make the change again.");
    else if (result == DeviceLink::UploadLost)
        text = tr("Not saved: a ringtone copied to the iPhone vanished from it before it was "
                  "saved there. Add it again.");
    else if (result == DeviceLink::DatabaseKept)
        text = tr("Not saved yet: the iPhone's ringtone list holds values that writing it would "
                  "change, so it was left as it is. The change is tried again while the iPhone "
                  "stays connected.");
    if (result == DeviceLink::DatabaseUnreadable)
        newListOffer->offer();
    if (text.isEmpty())
        return;
    // Not waited for: the list goes on showing what the phone holds meanwhile.
    auto *box = new QMessageBox(QMessageBox::Warning, productTitle(), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void ManageDialog::showNoPhoneHint()
{
    noPhoneHint->setGeometry(QRect(QPoint(0, 0), ui->listRingtone->contentsRect().size()));
    // An attached phone with a long list takes a moment to read: the empty list says so.
    const bool reading = phoneAttached && device.isBusy();
    const bool unreadable = phoneAttached && listUnreadable && !reading;
    if (unreadable)
        noPhoneHint->setText(tr("The iPhone's ringtone list could not be read. Vardel left it "
                                "untouched."));
    else
        noPhoneHint->setText(reading ? tr("Reading the ringtones on your iPhone…")
                                     : tr("Connect your iPhone to see its ringtones."));
    noPhoneHint->setVisible((reading || unreadable || !phoneAttached) && model->rowCount() == 0);
}

void ManageDialog::updateButtons()
{
    showNoPhoneHint();
    const bool idle = !device.isBusy();
    ui->listRingtone->setEnabled(idle);
    if (idle)
        ui->listRingtone->unsetCursor();
    else
        ui->listRingtone->setCursor(Qt::BusyCursor);
    const bool any = model->rowCount() > 0;
    if (!any) {
        ui->editName->setText(QString());
        currentName.clear();
    }
    ui->btnRemove->setEnabled(idle && any);
    ui->btnReplace->setEnabled(idle && any);
    ui->btnIPhoneToPc->setEnabled(idle && any);
    ui->editName->setEnabled(idle && any);
    // Only typing enables renaming; a row chosen since leaves it as typing set it.
    ui->btnRename->setEnabled(idle && any && nameTyped);
    ui->btnPcToIPhone->setEnabled(idle && phoneAttached);
    // An older library cannot tell a text tone from a ringtone.
    ui->btnKind->setEnabled(idle && any && device.canSetKind());
    ui->btnKind->setText(ui->listRingtone->currentIndex().data(textToneRole).toBool()
                                 ? tr("As Ringtone")
                                 : tr("As Text Tone"));
    // An older library cannot restart the phone; without a phone there is none to restart.
    ui->btnRestart->setEnabled(idle && phoneAttached && device.canRestart());
}

void ManageDialog::onPhoneConnect(bool bConnect)
{
    phoneAttached = bConnect;
    ++phoneChanges;
    listUnreadable = false;
    newListOffered = false;
    model->clear();
    nameTyped = false;
    if (bConnect)
        relist(0);
    updateButtons();
}

// A failed commit may leave the phone otherwise than the list shows: show what it holds.
void ManageDialog::relistAfterFailure()
{
    relist(currentRow());
}

void ManageDialog::onListSelectChange(int row)
{
    if (row < 0 || row >= model->rowCount())
        return;
    currentName = textAt(row);
    ui->editName->setText(currentName);
    updateButtons();
}

void ManageDialog::onEditNameChange(QString text)
{
    nameTyped = text != currentName;
    updateButtons();
}

void ManageDialog::onBtnRename()
{
    const QString text = ui->editName->text();
    if (text == currentName)
        return;
    const int row = currentRow();
    if (row < 0)
        return;
    const QString path = model->index(row).data(phonePathRole).toString();
    device.renameRingtone(row, escapeTitle(text), this, {});
    const QString change = tr("renaming “%1” to “%2”").arg(currentName, text);
    commitChanges({fileNameAt(row)}, change, [this, row, path, text](bool sent) {
        if (!sent) {
            relistAfterFailure();
        } else if (stillListed(row, path)) {
            model->setData(model->index(row), text, Qt::DisplayRole);
            currentName = text;
            nameTyped = false;
            updateButtons();
        }
    });
}

// Committed at once, as a rename is: the phone plays the tone for calls or for messages.
void ManageDialog::onBtnKind()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const QString path = model->index(row).data(phonePathRole).toString();
    const bool textTone = !model->index(row).data(textToneRole).toBool();
    device.setRingtoneKind(row, textTone, this, {});
    const QString change = textTone ? tr("making “%1” a text tone").arg(textAt(row))
                                    : tr("making “%1” a ringtone").arg(textAt(row));
    commitChanges({fileNameAt(row)}, change, [this, row, path, textTone](bool sent) {
        if (!sent) {
            relistAfterFailure();
        } else if (stillListed(row, path)) {
            model->setData(model->index(row), textTone, textToneRole);
            updateButtons();
        }
    });
}

void ManageDialog::onBtnRemove()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const QString path = model->index(row).data(phonePathRole).toString();
    const QMessageBox::StandardButton answer
            = QMessageBox::question(this,
                                    productTitle(),
                                    QStringLiteral("Remove Ringtone: %2").arg(currentName),
                                    QMessageBox::Yes | QMessageBox::No,
                                    QMessageBox::No);
    if (answer != QMessageBox::Yes || !stillListed(row, path))
        return;
    device.removeRingtone(row, this, {});
    commitChanges({}, tr("removing “%1”").arg(textAt(row)), [this, row, path](bool sent) {
        if (!sent) {
            relistAfterFailure();
        } else if (stillListed(row, path)) {
            // The rows below move up by one, as the phone's indexes do.
            model->removeRow(row);
            updateButtons();
        }
    });
}

void ManageDialog::onBtnReplace()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const QString path = model->index(row).data(phonePathRole).toString();
    const QString chosen = CFileChooser::instance().openFile(this, startFolder(), fileFilter());
    if (chosen.isEmpty() || !stillListed(row, path))
        return;
    device.replaceOnPhone(path, chosen, this, {});
}

void ManageDialog::onBtnIPhoneToPc()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const QString path = model->index(row).data(phonePathRole).toString();
    const QString chosen = CFileChooser::instance().saveFile(
            this, proposedSavePath(textAt(row), path, startFolder()), fileFilter());
    if (chosen.isEmpty() || !stillListed(row, path))
        return;
    device.copyFromPhone(path, chosen, this, {});
}

void ManageDialog::onBtnPcToIPhone()
{
    const QStringList chosen
            = CFileChooser::instance().openFiles(this, startFolder(), fileFilter());
    if (chosen.isEmpty())
        return;
    const int listed = model->rowCount();
    QStringList added;
    for (const QString &file : chosen) {
        if (!isRegularFile(file))
            continue;
        added.append(tr("adding “%1”").arg(QFileInfo(file).fileName()));
        const QString native = QDir::toNativeSeparators(file);
        CMediaProbe probe;
        probe.probe(native.toUtf8().constData());
        device.addRingtone(native, int(probe.duration() * 1000.0), this, {});
    }
    commitChanges({}, added.join(QStringLiteral("; ")), [this, listed](bool sent) {
        if (sent)
            return;
        // The new entries are listed after the others: once listed, they are marked as waiting.
        device.ringtones(this, [this, listed](const QList<DeviceLink::Ringtone> &tones) {
            for (int row = listed; row < tones.size(); ++row)
                emit commitKept(tones[row].fileName);
            showWaiting();
        });
    });
    relist(0);
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
    device.restartPhone(this, [this](DeviceLink::Result result) {
        if (result != DeviceLink::Ok)
            QMessageBox::warning(this,
                                 productTitle(),
                                 tr("The iPhone could not be restarted. Hold its side button "
                                    "and a volume button to turn it off, then turn it on again."));
    });
}

QString ManageDialog::fileNameAt(int row) const
{
    return model->fileNameAt(row);
}

// A question or file dialog keeps the event loop running: the phone may go, or another come,
// while it is open. The action goes on only if the row still holds the ringtone it was for;
// an index of another listing would name another ringtone.
bool ManageDialog::stillListed(int row, const QString &phonePath) const
{
    return row >= 0 && row < model->rowCount()
            && model->index(row).data(phonePathRole).toString() == phonePath;
}

QString ManageDialog::startFolder() const
{
    const QString folder = shownFolder.isEmpty()
            ? readSetting(QStringLiteral("OutputFolder"), QString())
            : shownFolder;
    return QDir::fromNativeSeparators(folder);
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
