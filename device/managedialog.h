#ifndef MANAGEDIALOG_H
#define MANAGEDIALOG_H

#include "app/qxdialog.h"
#include "devicelink.h"

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
    explicit ManageDialog(QWidget *parent = nullptr);
    ~ManageDialog() override;

public slots:
    void onPhoneConnect(bool bConnect);
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
    void showKind(QListWidgetItem *item, bool textTone);
    void relistAfterFailure();
    void updateButtons();
    void showNoPhoneHint();
    bool stillListed(int row, const QString &phonePath) const;
    QString startFolder() const;
    QString fileFilter() const;
    static QString escapeTitle(QString title);
    static QString unescapeTitle(QString title);

    Ui::manageDlg *ui;
    DeviceLink device;
    QString currentName;
    bool phoneAttached = false;
    QLabel *noPhoneHint = nullptr;
};

#endif
