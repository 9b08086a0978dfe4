#ifndef ABOUTDIALOG_H
#define ABOUTDIALOG_H

#include <QDialog>

class QLabel;

// The about box: version and web links on a frameless picture; any click on it closes it.
class AboutDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

public slots:
    void openUrl(const QString &url);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *addLabel(const QRect &geometry, const QString &text);

    QLabel *homeLabel = nullptr;
    QLabel *supportLabel = nullptr;
    QLabel *noticeLabel = nullptr;
    QLabel *versionLabel = nullptr;
    QLabel *licencesLabel = nullptr;
};

#endif
