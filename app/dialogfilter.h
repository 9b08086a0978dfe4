#ifndef DIALOGFILTER_H
#define DIALOGFILTER_H

#include <QString>

// Qt's dialogs on this platform split the patterns of a filter on spaces: ';' between
// patterns inside the parentheses becomes a space, the visible name stays.
QString dialogFilter(const QString &filter);

#endif
