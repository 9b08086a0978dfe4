#ifndef CLIPTIMES_H
#define CLIPTIMES_H

#include <QString>

// A time in whole seconds as the play time shows it, "hh:mm:ss"; parts of a second are cut,
// never rounded.
QString clockText(double seconds);

// The clip a newly loaded file starts with runs from its start for ten seconds, or over the
// whole file when it is shorter.
double defaultClipEnd(double duration);

#endif
