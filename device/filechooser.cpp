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

QString dialogFilter(const QString &filter)
{
    QString result = filter;
    int depth = 0;
    for (QChar &c : result) {
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')') && depth > 0)
            --depth;
        else if (c == QLatin1Char(';') && depth > 0)
            c = QLatin1Char(' ');
    }
    return result;
}
