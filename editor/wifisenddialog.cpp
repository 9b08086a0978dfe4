#include "wifisenddialog.h"

#include "qrcodeview.h"

#include "core/servepage.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char background[] = ":/images/wifi_bg.png";
// The light card of the background, where the content goes, and the close button's recess.
const QRect cardRect(56, 66, 488, 400);
const QRect closeRect(551, 14, 24, 24);

QString buttonSheet()
{
    return QStringLiteral(
            "QPushButton { border-image: url(:/images/button.png); padding: 4px 12px; }\n"
            "QPushButton:hover { border-image: url(:/images/button_hover.png); }\n"
            "QPushButton:pressed { border-image: url(:/images/button_down.png); }\n"
            "QPushButton:focus { border-image: url(:/images/button_focus.png); }\n"
            "QPushButton:focus:hover { border-image: url(:/images/button_focus_hover.png); }\n"
            "QPushButton:focus:pressed { border-image: url(:/images/button_focus_down.png); }\n"
            "QPushButton:disabled { color: rgb(160, 160, 160); }");
}

QLabel *wrappingLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    return label;
}

} // namespace

WifiSendDialog::WifiSendDialog(QWidget *parent,
                               const QString &ringtone,
                               const ToneRecipe &recipe,
                               const QString &language)
    : QxDialog(parent)
    , m_recipe(recipe)
{
    setObjectName(QStringLiteral("wifiDialog"));
    setBackground(QString::fromLatin1(background));
    build();
    connect(&m_session, &ServeSession::changed, this, &WifiSendDialog::showSession);
    connect(&m_session, &ServeSession::downloaded, this, &WifiSendDialog::showDownload);
    connect(&m_session, &ServeSession::quietTooLong, this, &WifiSendDialog::showQuietHint);
    connect(&m_session, &ServeSession::reached, this, [this] {
        m_quiet = false;
        showSession();
    });
    connect(&m_shortJob, &ShortToneJob::finished, this, &WifiSendDialog::serveShortVersion);
    connect(m_shortButton, &QPushButton::clicked, this, &WifiSendDialog::makeShortVersion);
    connect(m_addresses, &QComboBox::activated, this, [this](int index) {
        m_quiet = false;
        m_session.chooseAddress(QHostAddress(m_addresses->itemText(index)));
    });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, &m_session, &ServeSession::stop);
    retranslate();
    m_session.setLanguage(language);
    m_session.serve(ringtone, QFileInfo(ringtone).completeBaseName(), recipe.length);
}

WifiSendDialog::~WifiSendDialog() = default;

void WifiSendDialog::build()
{
    auto *picture = new QLabel(this);
    picture->setGeometry(rect());
    picture->setStyleSheet(QStringLiteral("border-image: url(%1);").arg(QLatin1String(background)));
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("btnClose"));
    m_close->setGeometry(closeRect);
    m_close->setFocusPolicy(Qt::NoFocus);
    m_close->setStyleSheet(QStringLiteral(
            "QPushButton { border-image: url(:/images/dlg_close_button.png); }\n"
            "QPushButton:hover { border-image: url(:/images/dlg_close_hover.png); }\n"
            "QPushButton:pressed { border-image: url(:/images/dlg_close_down.png); }"));

    auto *card = new QWidget(this);
    card->setGeometry(cardRect);
    auto *column = new QVBoxLayout(card);
    column->setContentsMargins(0, 0, 0, 0);
    m_title = new QLabel(card);
    m_title->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 11pt;"));
    column->addWidget(m_title);
    column->addSpacing(4);
    auto *top = new QHBoxLayout;
    m_qr = new QrCodeView(card);
    m_qr->setObjectName(QStringLiteral("qrCode"));
    m_qr->setFixedSize(210, 210);
    top->addWidget(m_qr, 0, Qt::AlignTop);
    top->addWidget(buildDetails(), 1);
    column->addLayout(top);
    auto *offer = new QHBoxLayout;
    m_offer = wrappingLabel(card);
    m_shortButton = new QPushButton(card);
    m_shortButton->setObjectName(QStringLiteral("btnShortVersion"));
    m_shortButton->setStyleSheet(buttonSheet());
    offer->addWidget(m_offer, 1);
    offer->addWidget(m_shortButton);
    column->addLayout(offer);
    m_notice = wrappingLabel(card);
    m_notice->setObjectName(QStringLiteral("labelNotice"));
    m_notice->setStyleSheet(QStringLiteral("color: rgb(150, 40, 20);"));
    column->addWidget(m_notice);
    m_downloads = wrappingLabel(card);
    m_downloads->setObjectName(QStringLiteral("labelDownloads"));
    column->addWidget(m_downloads);
    column->addStretch(1);
}

QWidget *WifiSendDialog::buildDetails()
{
    auto *details = new QWidget(this);
    auto *column = new QVBoxLayout(details);
    column->setContentsMargins(8, 0, 0, 0);
    column->setSpacing(3);
    m_name = new QLabel(details);
    m_name->setObjectName(QStringLiteral("labelToneName"));
    m_name->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_length = new QLabel(details);
    m_addressCaption = new QLabel(details);
    m_addressCaption->setWordWrap(true);
    m_address = new QLabel(details);
    m_address->setObjectName(QStringLiteral("labelAddress"));
    m_address->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_address->setStyleSheet(QStringLiteral("font-family: monospace; font-size: 9pt;"));
    m_address->setWordWrap(true);
    m_addresses = new QComboBox(details);
    m_addresses->setObjectName(QStringLiteral("comboAddress"));
    m_steps = wrappingLabel(details);
    for (QWidget *widget : {static_cast<QWidget *>(m_name),
                            static_cast<QWidget *>(m_length),
                            static_cast<QWidget *>(m_addressCaption),
                            static_cast<QWidget *>(m_address),
                            static_cast<QWidget *>(m_addresses),
                            static_cast<QWidget *>(m_steps)})
        column->addWidget(widget);
    column->addStretch(1);
    return details;
}

void WifiSendDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QxDialog::changeEvent(event);
}

void WifiSendDialog::retranslate()
{
    m_title->setText(tr("Send to a phone over Wi‑Fi"));
    m_addressCaption->setText(tr("Open this address on the phone, or scan the code:"));
    m_steps->setText(
            tr("<b>iPhone</b> (iOS 26 or later): open the page, tap Download, then in Files: "
               "Share → Use as Ringtone. Older iPhones: use the cable and Export to iPhone.")
            + QStringLiteral("<br><br>")
            + tr("<b>Android</b>: open the page, tap Download, then choose the file in "
                 "Settings → Sound → Ringtone."));
    m_shortButton->setText(tr("Make a 30 s version"));
    m_addresses->setAccessibleName(tr("Address"));
    m_qr->setAccessibleName(tr("QR code of the address"));
    m_close->setAccessibleName(tr("Close"));
    setWindowTitle(m_title->text());
    showSession();
}

void WifiSendDialog::showSession()
{
    const bool serving = m_session.state() == ServeSession::State::Serving;
    m_qr->setText(serving ? m_session.url() : QString());
    m_qr->setVisible(serving);
    m_address->setText(serving ? m_session.url() : QStringLiteral("—"));
    m_name->setText(m_session.name());
    m_length->setText(tr("Length: %1").arg(toneLengthText(m_session.seconds())));
    m_addresses->clear();
    for (const QHostAddress &address : m_session.addresses())
        m_addresses->addItem(address.toString());
    m_addresses->setCurrentIndex(m_session.addresses().indexOf(m_session.address()));
    m_addresses->setVisible(m_session.addresses().size() > 1);

    const bool tooLong = m_session.seconds() > filesRouteSeconds + 0.0005;
    m_offer->setVisible(tooLong || m_making != Making::None);
    m_shortButton->setVisible(tooLong);
    m_shortButton->setEnabled(m_making != Making::Running);
    m_offer->setText(m_making == Making::Running ? tr("Making the 30 s version…")
                             : m_making == Making::Failed
                             ? tr("The 30 s version could not be made.")
                             : tr("The iPhone takes a tone from Files only up to 30 s; this one "
                                  "lasts %1.")
                                       .arg(toneLengthText(m_session.seconds())));

    QString notice;
    if (m_session.state() == ServeSession::State::NoNetwork)
        notice = tr("This computer is on no local network, so nothing is served. Connect it to "
                    "the phone's Wi‑Fi network and open this window again.");
    else if (m_session.state() == ServeSession::State::Failed)
        notice = tr("The tone could not be served on %1.").arg(m_session.address().toString());
    else if (serving && m_quiet)
        notice = tr("Nothing has connected yet. The phone must be on the same network as this "
                    "computer, and a firewall may block port %1.")
                         .arg(m_session.port());
    m_notice->setText(notice);
    m_notice->setVisible(!notice.isEmpty());
    QStringList lines;
    for (const QString &line : m_downloadLines)
        lines << tr("Downloaded by %1 at %2")
                         .arg(line.section(QLatin1Char(' '), 0, 0),
                              line.section(QLatin1Char(' '), 1, 1));
    m_downloads->setText(lines.join(QStringLiteral("<br>")));
}

void WifiSendDialog::showDownload(const QString &client, const QTime &at)
{
    m_downloadLines << client + QLatin1Char(' ') + at.toString(QStringLiteral("HH:mm"));
    showSession();
}

void WifiSendDialog::showQuietHint()
{
    m_quiet = true;
    showSession();
}

void WifiSendDialog::makeShortVersion()
{
    m_making = Making::Running;
    showSession();
    m_shortJob.start(m_recipe, m_session.file(), filesRouteSeconds);
}

void WifiSendDialog::serveShortVersion(const QString &file)
{
    if (file.isEmpty()) {
        m_making = Making::Failed;
        showSession();
        return;
    }
    m_making = Making::None;
    m_quiet = false;
    m_recipe.length = qMin<double>(m_recipe.length, filesRouteSeconds);
    m_session.serve(file, QFileInfo(file).completeBaseName(), m_recipe.length);
}
