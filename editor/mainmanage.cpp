// Opening the ringtone manager from the main window.
#include "device/managedialog.h"
#include "maindialog.h"
#include "ui_maindialog.h"

// The export check box is enabled exactly while a phone is attached; later comings and
// goings reach the open manager through the same signal.
void MainDialog::onBtnManage()
{
    ManageDialog dialog(this, &device);
    dialog.setStartFolder(ui->editOutputFolder->text());
    connect(this, &MainDialog::phoneChanged, &dialog, &ManageDialog::onPhoneConnect);
    // The manager's commits that fail wait with the window's, and it marks what waits.
    connect(&dialog, &ManageDialog::commitKept, &commitRetry, &CommitRetry::wait);
    connect(&dialog, &ManageDialog::changesWaiting, &commitRetry, &CommitRetry::waitFor);
    connect(&dialog, &ManageDialog::committed, &commitRetry, &CommitRetry::committedElsewhere);
    connect(&commitRetry, &CommitRetry::changed, &dialog, &ManageDialog::showWaiting);
    dialog.setWaitingCheck(
            [this](const QString &fileName) { return commitRetry.isWaiting(fileName); });
    if (ui->checkExport->isEnabled())
        emit phoneChanged(true);
    dialog.exec();
}
