#ifndef QXDIALOG_H
#define QXDIALOG_H

#include <QDialog>

// A frameless dialog shaped by its background picture and dragged by it with the left button.
class QxDialog : public QDialog
{
public:
    explicit QxDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~QxDialog() override;

    // Takes the window's shape and size from the picture; the derived dialog draws it.
    void setBackground(QString imagePath);
};

#endif
