#include "cliptimes.h"

#include <QTime>

QString clockText(double seconds)
{
    return QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("hh:mm:ss"));
}

double defaultClipEnd(double duration)
{
    return duration < 10.0 ? duration : 10.0;
}
