// How long the library waits for other writers and for a phone that cannot be served yet.
// Builds made for tests let the environment shorten both, so tests need not sit through them.
#ifndef HANDVIA_WAITS_H
#define HANDVIA_WAITS_H

#include <chrono>

namespace handvia {

// How long a commit waits for another writer's sync lock before it fails (10 s).
std::chrono::milliseconds syncLockWait();
// How often a phone that is attached but not served (locked, not trusted, connection lost) is
// tried again (3 s).
std::chrono::milliseconds phoneRetryInterval();

// A closing program need not sit through the sync lock wait: while set, it ends at once.
void setWaitsAbandoned(bool abandoned);
bool waitsAbandoned();

} // namespace handvia

#endif
