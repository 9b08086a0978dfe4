#ifndef DECODEFOLDER_H
#define DECODEFOLDER_H

#include <QString>

// The decode WAVs of this process go to <cache>/vardel/<pid> in the user's cache folder
// ($XDG_CACHE_HOME), not to the temporary folder, which many systems keep in memory: an hour of
// sound is 635 MB. The pid tells what a crashed or killed program left behind from the files
// of one that still runs.

// The folder, made on first use; the cache folder itself when no private folder can be had.
QString decodeFolder();
// Removes this process's folder with whatever is left in it.
void removeDecodeFolder();
// Removes the decode folders of processes that are gone, and nothing else.
void removeOrphanDecodeFolders();

#endif
