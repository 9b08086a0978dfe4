#include "cliptimes.h"

#include <QTime>

QString clockText(double seconds)
{
    return QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("hh:mm:ss"));
}

QTime timeFromMs(qint64 ms)
{
    return QTime(0, 0).addMSecs(int(ms));
}
