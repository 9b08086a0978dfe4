#ifndef WIFISENDBUTTON_H
#define WIFISENDBUTTON_H

#include "core/shorttonejob.h"

#include <QObject>
#include <QString>

class QPushButton;
class QWidget;

// The main window's way to a phone without a cable: a skin button right of Generate, and its
// key, that open the Wi-Fi dialog for the last ringtone made. Disabled until one is made.
class WifiSendButton : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WifiSendButton)

public:
    // Tab reaches the button right after `before`.
    WifiSendButton(QWidget *window, QWidget *before);

    // How the next ringtone is being made, then the file it became.
    void prepare(const ToneRecipe &recipe) { m_nextRecipe = recipe; }
    void ringtoneMade(const QString &file);

    QPushButton *button() const { return m_button; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();
    void openDialog();

    QWidget *m_window;
    QPushButton *m_button;
    ToneRecipe m_nextRecipe;
    ToneRecipe m_recipe;
    QString m_file;
};

#endif
