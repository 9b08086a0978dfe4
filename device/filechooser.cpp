#include "filechooser.h"

#include <QFileDialog>

CFileChooser &CFileChooser::instance()
{
    static CFileChooser chooser = standard();
    return chooser;
}

CFileChooser CFileChooser::standard()
{
    CFileChooser chooser;
    chooser.openFile = [](QWidget *parent, const QString &start, const QString &filter) {
        return QFileDialog::getOpenFileName(parent, QString(), start, dialogFilter(filter));
    };
    chooser.openFiles = [](QWidget *parent, const QString &start, const QString &filter) {
        return QFileDialog::getOpenFileNames(parent, QString(), start, dialogFilter(filter));
    };
    chooser.saveFile = [](QWidget *parent, const QString &start, const QString &filter) {
        return QFileDialog::getSaveFileName(parent, QString(), start, dialogFilter(filter));
    };
    return chooser;
}
