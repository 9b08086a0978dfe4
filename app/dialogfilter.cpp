#include "dialogfilter.h"

QString dialogFilter(const QString &filter)
{
    QString result = filter;
    int depth = 0;
    for (QChar &c : result) {
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')') && depth > 0)
            --depth;
        else if (c == QLatin1Char(';') && depth > 0)
            c = QLatin1Char(' ');
    }
    return result;
}
