// Opening the ringtone manager from the main window.
#include "maindialog.h"

void MainDialog::onBtnManage() { }
