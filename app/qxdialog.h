#ifndef QXDIALOG_H
#define QXDIALOG_H

#include <QDialog>
#include <QPoint>

// A frameless dialog shaped by its background picture and dragged by it with the left button.
class QxDialog : public QDialog
{
public:
    explicit QxDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~QxDialog() override;

    // Takes the window's shape and size from the picture; the derived dialog draws it.
    void setBackground(QString imagePath);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPoint dragOffset {-1, -1};
};

#endif
