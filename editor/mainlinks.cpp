// The about box, the web site and the help pages, opened from the main window.
#include "maindialog.h"

#include "app/aboutdialog.h"
#include "app/desktopopener.h"
#include "app/weblinks.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

// The help pages open in the desktop's browser; no desktop has a viewer for help.chm.
void MainDialog::onBtnHelp()
{
    const QString index = helpIndexPath();
    if (!QFile::exists(index)) {
        setStatus(QT_TR_NOOP("The help pages are missing beside the program."));
        return;
    }
    DesktopOpener::instance()->open(QUrl::fromLocalFile(index));
}

void MainDialog::onBtnHome()
{
    DesktopOpener::instance()->open(QUrl(productPageUrl()));
}

void MainDialog::onBtnAbout()
{
    AboutDialog dialog(this);
    dialog.exec();
}

// Reached for the window's own links and the about box's alike, even once the box is gone.
void MainDialog::onOpenFailed(const QUrl &url)
{
    if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isDir())
        setStatus(QT_TR_NOOP("The folder could not be opened: no file manager was found."));
    else if (url.isLocalFile())
        setStatus(QT_TR_NOOP("The help could not be opened: no web browser was found."));
    else
        setStatus(QT_TR_NOOP("The web page could not be opened: no web browser was found."));
}
