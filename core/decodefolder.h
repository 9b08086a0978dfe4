#ifndef DECODEFOLDER_H
#define DECODEFOLDER_H

#include <QString>

// The decode WAVs of this process go to <temp>/vardel-<pid>, so that what a crashed or killed
// program left behind can be told from the files of one that still runs.

// The folder, made on first use; the temporary folder itself when no private folder can be had.
QString decodeFolder();
// Removes this process's folder with whatever is left in it.
void removeDecodeFolder();
// Removes the decode folders of processes that are gone, and nothing else.
void removeOrphanDecodeFolders();

#endif
