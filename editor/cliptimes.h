#ifndef CLIPTIMES_H
#define CLIPTIMES_H

#include <QString>
#include <QTime>

// A time in whole seconds as the play time shows it, "hh:mm:ss"; parts of a second are cut,
// never rounded.
QString clockText(double seconds);

// Whole milliseconds from midnight, as the time fields hold a time of the clip.
QTime timeFromMs(qint64 ms);

#endif
