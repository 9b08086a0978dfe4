#ifndef TIMINGLOG_H
#define TIMINGLOG_H

#include <QLoggingCategory>

// How long loading steps take and how far the encoder has got: for whoever looks into a slow
// load. Off unless asked for with QT_LOGGING_RULES="vardel.timing.debug=true".
Q_DECLARE_LOGGING_CATEGORY(vardelTiming)

#endif
