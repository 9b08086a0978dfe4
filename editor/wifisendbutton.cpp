#include "wifisendbutton.h"

#include "wifisenddialog.h"

#include "app/qxlanguage.h"

#include <QEvent>
#include <QPushButton>
#include <QShortcut>

namespace {

// Right of Generate, on its middle line, clear of every control of the form.
const QRect wifiRect(607, 464, 32, 32);
const QKeySequence wifiKey(Qt::Key_W);

QString skinSheet()
{
    QString sheet;
    const std::pair<const char *, const char *> states[] = {{"", "button"},
                                                            {":hover", "hover"},
                                                            {":pressed", "down"},
                                                            {":focus", "focus"},
                                                            {":focus:hover", "focus_hover"},
                                                            {":focus:pressed", "focus_down"},
                                                            {":disabled", "disable"}};
    for (const auto &[state, picture] : states)
        sheet += QStringLiteral("QPushButton%1{ border-image: url(:/images/wifi_%2.png); }\n")
                         .arg(QLatin1String(state), QLatin1String(picture));
    return sheet;
}

} // namespace

WifiSendButton::WifiSendButton(QWidget *window, QWidget *before)
    : QObject(window)
    , m_window(window)
    , m_button(new QPushButton(window))
{
    m_button->setObjectName(QStringLiteral("btnWifi"));
    m_button->setGeometry(wifiRect);
    m_button->setStyleSheet(skinSheet());
    m_button->setAutoDefault(false);
    m_button->setEnabled(false);
    connect(m_button, &QPushButton::clicked, this, &WifiSendButton::openDialog);
    connect(new QShortcut(wifiKey, window), &QShortcut::activated, this, [this] {
        if (m_button->isEnabled())
            m_button->animateClick();
    });
    if (before)
        QWidget::setTabOrder(before, m_button);
    window->installEventFilter(this);
    retranslate();
}

bool WifiSendButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}

void WifiSendButton::retranslate()
{
    const QString name = WifiSendDialog::tr("Send to a phone over Wi‑Fi");
    m_button->setAccessibleName(name);
    m_button->setToolTip(
            QStringLiteral("%1 (%2)").arg(name, wifiKey.toString(QKeySequence::NativeText)));
}

void WifiSendButton::ringtoneMade(const QString &file)
{
    m_file = file;
    m_recipe = m_nextRecipe;
    m_button->setEnabled(true);
}

void WifiSendButton::openDialog()
{
    WifiSendDialog dialog(m_window, m_file, m_recipe, QxLanguage::instance()->currentLanguage());
    dialog.exec();
}
