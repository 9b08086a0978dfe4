#ifndef MANAGEDIALOG_H
#define MANAGEDIALOG_H

#include "app/qxdialog.h"
#include "devicelink.h"

#include <memory>

class QLabel;

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

public slots:
    void onPhoneConnect(bool bConnect);
    void onBtnRemove();
    void onBtnRename();
    void onBtnReplace();
    void onBtnIPhoneToPc();
    void onBtnPcToIPhone();
    void onBtnRestart();
    void onListSelectChange(int row);
    void onEditNameChange(QString text);

private:
    // Lists the phone again and selects `row`, or the last row if there are fewer.
    void relist(int row);
    void showList(const QList<DeviceLink::Ringtone> &tones, int row);
    void fillList(const QList<DeviceLink::Ringtone> &tones, int row, int listedAt);
    void relistAfterFailure();
    void updateButtons();
    void showNoPhoneHint();
    bool stillListed(int row, const QString &phonePath) const;
    QString startFolder() const;
    QString fileFilter() const;
    static QString escapeTitle(QString title);
    static QString unescapeTitle(QString title);

    Ui::manageDlg *ui;
    std::unique_ptr<DeviceLink> ownLink;
    DeviceLink &device;
    // Counts the phone's comings and goings: a listing made before the last one is stale.
    int phoneChanges = 0;
    QString currentName;
    bool filling = false; // the list is being filled from a listing
    bool nameTyped = false; // the typed name differs from the listed one
    bool phoneAttached = false;
    QLabel *noPhoneHint = nullptr;
};

#endif
