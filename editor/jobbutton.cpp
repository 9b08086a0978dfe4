#include "jobbutton.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QVariant>

namespace {

const char *const stopSheet
        = "QPushButton{ border-image: url(:/images/stop_button.png) ;}\n"
          "QPushButton:hover{ border-image: url(:/images/stop_hover.png) ;}\n"
          "QPushButton:pressed{ border-image: url(:/images/stop_down.png) ;}\n"
          "QPushButton:focus{ border-image: url(:/images/stop_focus.png) ;}\n"
          "QPushButton:focus:hover{ border-image: url(:/images/stop_focus_hover.png) ;}\n"
          "QPushButton:focus:pressed{ border-image: url(:/images/stop_focus_down.png) ;}\n"
          "QPushButton:disabled{ border-image: url(:/images/stop_disable.png) ;}\n";

QString stopText()
{
    return QCoreApplication::translate("JobButton", "Stop making the ringtone");
}

} // namespace

JobButton::JobButton(QPushButton *button)
    : button(button)
{
    button->setProperty("stopsJob", false);
}

void JobButton::setRunning(bool on)
{
    if (on == running)
        return;
    running = on;
    button->setProperty("stopsJob", on);
    if (on) {
        idleSheet = button->styleSheet();
        idleTip = button->toolTip();
        idleName = button->accessibleName();
        button->setStyleSheet(QString::fromLatin1(stopSheet));
        showStop();
    } else {
        button->setStyleSheet(idleSheet);
        button->setToolTip(idleTip);
        button->setAccessibleName(idleName);
    }
}

void JobButton::retranslate()
{
    if (!running)
        return;
    idleTip = button->toolTip();
    showStop();
}

void JobButton::showStop()
{
    const QString key = QKeySequence(Qt::Key_Escape).toString(QKeySequence::NativeText);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(stopText(), key));
    button->setAccessibleName(stopText());
}
