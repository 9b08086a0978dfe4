#ifndef WIFISENDDIALOG_H
#define WIFISENDDIALOG_H

#include "app/qxdialog.h"
#include "core/servesession.h"
#include "core/shorttonejob.h"

class QComboBox;
class QLabel;
class QPushButton;
class QrCodeView;

// Shows a made ringtone to phones on the local network while it is open: the page's address
// as a QR code and as text, the steps on the phone, and a line for each download. A tone longer
// than the phone's own route takes is offered in a 30 s version, served in its place. Closing
// the dialog stops serving.
class WifiSendDialog : public QxDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WifiSendDialog)

public:
    // The longest tone an iPhone sets as a ringtone from its Files app.
    static constexpr int filesRouteSeconds = 30;

    WifiSendDialog(QWidget *parent,
                   const QString &ringtone,
                   const ToneRecipe &recipe,
                   const QString &language);
    ~WifiSendDialog() override;

    ServeSession &session() { return m_session; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void build();
    QWidget *buildDetails();
    void retranslate();
    void showSession();
    void showDownload(const QString &client, const QTime &at);
    void showQuietHint();
    void makeShortVersion();
    void serveShortVersion(const QString &file);

    ServeSession m_session;
    ShortToneJob m_shortJob;
    ToneRecipe m_recipe;
    QrCodeView *m_qr = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_length = nullptr;
    QLabel *m_addressCaption = nullptr;
    QLabel *m_address = nullptr;
    QComboBox *m_addresses = nullptr;
    QLabel *m_steps = nullptr;
    QLabel *m_offer = nullptr;
    QPushButton *m_shortButton = nullptr;
    QLabel *m_notice = nullptr;
    QLabel *m_downloads = nullptr;
    QPushButton *m_close = nullptr;
    QStringList m_downloadLines; // client and time, translated when shown
    bool m_quiet = false;
    enum class Making { None, Running, Failed } m_making = Making::None;
};

#endif
