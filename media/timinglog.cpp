#include "timinglog.h"

Q_LOGGING_CATEGORY(vardelTiming, "vardel.timing", QtInfoMsg)
