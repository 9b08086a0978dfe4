#include "skin.h"

#include <QApplication>
#include <QFile>

bool applySkin()
{
    QFile sheet(QStringLiteral(":/images/skin.css"));
    if (!sheet.open(QIODevice::ReadOnly))
        return false;
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    return true;
}
