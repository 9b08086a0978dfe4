// The about box, the web site and the help file, opened from the main window.
#include "maindialog.h"

void MainDialog::onBtnHelp() { }

void MainDialog::onBtnHome() { }

void MainDialog::onBtnAbout() { }
