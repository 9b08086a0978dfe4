#ifndef FILECHOOSER_H
#define FILECHOOSER_H

#include "app/dialogfilter.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The ringtone manager's file dialogs behind replaceable functions, so that a test can
// answer them without a dialog on screen. Captions are always empty.
struct CFileChooser
{
    // start: a folder for the open dialogs, a proposed file path for the save dialog.
    using AskOne
            = std::function<QString(QWidget *parent, const QString &start, const QString &filter)>;
    using AskMany = std::function<QStringList(
            QWidget *parent, const QString &start, const QString &filter)>;

    AskOne openFile;
    AskMany openFiles;
    AskOne saveFile;

    // Holds Qt's file dialogs until a test replaces them.
    static CFileChooser &instance();
    static CFileChooser standard();
};

#endif
