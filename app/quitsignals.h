#ifndef QUITSIGNALS_H
#define QUITSIGNALS_H

// Makes SIGTERM, SIGINT and SIGHUP (a session's logout, Ctrl+C in a terminal) end the event
// loop like closing the window does, so the program cleans up after itself: the decoded WAV of
// a loaded file, which may be hundreds of megabytes, does not wait in the cache folder for the
// next start. Call once the application object exists.
void quitOnTerminationSignals();

#endif
