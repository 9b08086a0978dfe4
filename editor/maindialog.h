#ifndef MAINDIALOG_H
#define MAINDIALOG_H

#include <QDialog>
#include <QPoint>

class QAction;
class QMenu;

namespace Ui {
class MainDialog;
}

// The main window: the ringtone editor and the controller of everything done in it.
class MainDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainDialog)

public:
    explicit MainDialog(QWidget *parent = nullptr);
    ~MainDialog() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void onBtnManage();
    void onBtnHelp();
    void onBtnHome();
    void onBtnAbout();

private:
    void buildMenu();
    void retranslateMenu();

    QPoint dragOffset {-1, -1};
    Ui::MainDialog *ui;
    QAction *actManage = nullptr;
    QAction *actAbout = nullptr;
    QAction *actHelp = nullptr;
    QAction *actHome = nullptr;
    QMenu *languageMenu = nullptr;
    double discAngle = 0.0;
};

#endif
