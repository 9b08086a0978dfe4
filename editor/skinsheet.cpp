#include "skinsheet.h"

QString skinButtonSheet(const QString &stem)
{
    return QStringLiteral(
                   "QPushButton{ border-image: url(:/images/%1_button.png); }\n"
                   "QPushButton:hover{ border-image: url(:/images/%1_hover.png); }\n"
                   "QPushButton:pressed{ border-image: url(:/images/%1_down.png); }\n"
                   "QPushButton:focus{ border-image: url(:/images/%1_focus.png); }\n"
                   "QPushButton:focus:hover{ border-image: url(:/images/%1_focus_hover.png); }\n"
                   "QPushButton:focus:pressed{ border-image: url(:/images/%1_focus_down.png); }\n"
                   "QPushButton:disabled{ border-image: url(:/images/%1_disable.png); }\n")
            .arg(stem);
}
