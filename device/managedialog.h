#ifndef MANAGEDIALOG_H
#define MANAGEDIALOG_H

#include "app/qxdialog.h"
#include "devicelink.h"

#include <functional>

class QLabel;
class QListWidgetItem;

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
    explicit ManageDialog(QWidget *parent = nullptr);
    ~ManageDialog() override;

    // Tells which entries (by phone file name) have changes waiting to be sent.
    void setWaitingCheck(std::function<bool(const QString &)> check);

signals:
    // A commit failed with its changes kept; fileName names the entry they touch, if listed.
    void commitKept(const QString &fileName);
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
    void refreshList();
    void showEntry(QListWidgetItem *item);
    bool commitChanges(const QStringList &fileNames);
    void relistAfterFailure();
    void updateButtons();
    void showNoPhoneHint();
    bool stillListed(int row, const QString &phonePath) const;
    QString fileNameAt(int row) const;
    QString startFolder() const;
    QString fileFilter() const;
    static QString escapeTitle(QString title);
    static QString unescapeTitle(QString title);

    Ui::manageDlg *ui;
    DeviceLink device;
    QString currentName;
    bool phoneAttached = false;
    QLabel *noPhoneHint = nullptr;
    std::function<bool(const QString &)> isWaiting;
};

#endif
