#ifndef MANAGEDIALOG_H
#define MANAGEDIALOG_H

#include "app/qxdialog.h"
#include "devicelink.h"

#include <functional>
#include <memory>

class NewListOffer;
class QLabel;
class RingtoneListModel;

namespace Ui {
class manageDlg;
}

// Lists the ringtones on the attached phone and renames, removes, replaces, saves and adds
// them through the device library.
class ManageDialog : public QxDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ManageDialog)

public:
    // Works through `link`, the window's link to the phone, so that its calls queue behind the
    // window's; without one the dialog makes a link of its own.
    explicit ManageDialog(QWidget *parent = nullptr, DeviceLink *link = nullptr);
    ~ManageDialog() override;

    // Says which changes are still being written, and hands them to the window.
    void done(int result) override;

    // Tells which entries (by phone file name) have changes waiting to be sent.
    void setWaitingCheck(std::function<bool(const QString &)> check);
    // Where the file dialogs open: the output folder the main window shows. Without one, the
    // folder last chosen there.
    void setStartFolder(const QString &folder) { shownFolder = folder; }

signals:
    // A commit failed with its changes kept; fileName names the entry they touch, if listed.
    void commitKept(const QString &fileName);
    // What the user made that is not on the phone yet, in words: kept after a failed commit,
    // or still being written as the dialog closed.
    void changesWaiting(const QStringList &changes);
    void committed();

public slots:
    void onPhoneConnect(bool bConnect);
    // Marks again which entries wait to be sent.
    void showWaiting();
    void onBtnRemove();
    void onBtnRename();
    void onBtnReplace();
    void onBtnIPhoneToPc();
    void onBtnPcToIPhone();
    void onBtnRestart();
    void onBtnKind();
    void onListSelectChange(int row);
    void onEditNameChange(QString text);

private:
    void nameControls();
    // Lists the phone again and selects `row`, or the last row if there are fewer.
    void relist(int row);
    void showList(const DeviceLink::Listing &listing, int row);
    int currentRow() const;
    void setCurrentRow(int row);
    QString textAt(int row) const;
    // Commits; a failure that keeps the changes is told with the entries they touch.
    // `change` names it for the user ("removing “One”").
    void commitChanges(const QStringList &fileNames,
                       const QString &change,
                       std::function<void(bool)> done);
    void relistAfterFailure();
    void tellFailure(DeviceLink::Result result);
    void updateButtons();
    void showNoPhoneHint();
    bool stillListed(int row, const QString &phonePath) const;
    QString fileNameAt(int row) const;
    QString startFolder() const;
    QString fileFilter() const;
    static QString escapeTitle(QString title);

    Ui::manageDlg *ui;
    std::unique_ptr<DeviceLink> ownLink;
    DeviceLink &device;
    RingtoneListModel *model;
    // Counts the phone's comings and goings: a listing made before the last one is stale.
    int phoneChanges = 0;
    QString currentName;
    bool nameTyped = false; // the typed name differs from the listed one
    bool phoneAttached = false;
    QLabel *noPhoneHint = nullptr;
    QStringList inFlight; // the changes whose commit has not answered yet
    // The phone's list could not be read: shown as such, never as a phone without ringtones.
    bool listUnreadable = false;
    bool newListOffered = false; // once for each phone that comes
    NewListOffer *newListOffer;
    QString shownFolder;
};

#endif
