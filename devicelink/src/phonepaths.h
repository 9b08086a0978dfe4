// Where the store's files live on the phone, and the names of the unfinished ones: those carry
// the writer's process id, so leftovers of a writer that is gone can be told from the files of
// one still at work.
#ifndef HANDVIA_PHONEPATHS_H
#define HANDVIA_PHONEPATHS_H

#include <string>

namespace handvia {

extern const char ringtoneDir[];
extern const char databaseDir[];
extern const char databasePath[];

std::string ringtonePath(const std::string &fileName);
std::string tempDatabasePath();
// Where an unreadable database is moved aside at the given time; attempt > 0 adds "-attempt".
std::string unreadableDatabasePath(long long seconds, int attempt);
// A tone's upload of the given writer (this process by default) before the commit names it.
std::string partPath(const std::string &fileName, long writer = 0);

// The writer of an unfinished file in its folder, or 0 for any other name.
long writerOfTempDatabase(const std::string &name);
long writerOfPart(const std::string &name);

// A writer that is gone can no longer finish its files; this process never counts as gone.
bool writerGone(long pid);

} // namespace handvia

#endif
