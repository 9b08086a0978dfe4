// The about box, the web site and the help file, opened from the main window.
#include "maindialog.h"

#include "app/aboutdialog.h"
#include "app/weblinks.h"

#include <QDesktopServices>
#include <QUrl>

void MainDialog::onBtnHelp()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpFilePath()));
}

void MainDialog::onBtnHome()
{
    QDesktopServices::openUrl(QUrl(productPageUrl()));
}

void MainDialog::onBtnAbout()
{
    AboutDialog dialog(this);
    dialog.exec();
}
