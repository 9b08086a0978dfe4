#ifndef FAKES_H
#define FAKES_H

#include <QString>
#include <QStringList>

// Stand-ins for the preview player and the device library: they record every call
// in order ("seek 5", "play", "add_ringtone /x/Song.m4r 3000") and let a test raise
// player states and device events as the real libraries would from their threads.
namespace fakes {

void reset();

// Preview player.
QStringList &playerCalls();
void setPlayerPosition(double seconds);
void raisePlayState(int state);
// What play and pause return from now on (0 unless set; reset() clears it).
void setPlayResult(int result);

// Device library.
struct Ringtone
{
    QString title;
    QString fileName;
    bool textTone = false;
};
QStringList &deviceCalls();
void setITunes(unsigned version, const QString &path);
void setAddResult(int result);
// From now on commit returns result; a negative one puts back the ringtones listed now.
void setCommitResult(int result);
QList<Ringtone> &phoneRingtones();
// Any thread may raise an event, as the library's own thread does.
void raiseDeviceEvent(int kind, const char *text);
// While held, commit waits on the calling thread until released: a test sees what happens
// while the phone works. commitsDone counts the commits that have returned.
void holdCommit(bool hold);
bool commitWaiting();
int commitsDone();
// Whether the table has the kind entries (NULL unless set; reset() clears it). With them, an
// add lists its tone last, as the library does.
void setKindEntries(bool present);
// Whether the table has the entry that ends a commit's wait for the lock (NULL unless set).
// With it, a held commit given up returns -1.
void setAbandonEntry(bool present);
// While set, the phone's list cannot be read: listing and commit answer
// HANDVIA_E_DATABASE_UNREADABLE and the phone stays as it is (reset() clears it).
void setListUnreadable(bool unreadable);
// Whether the table has the entry that starts a new list (NULL unless set). It records
// "start_new_database 0" and makes the list readable and empty.
void setNewListEntry(bool present);

} // namespace fakes

#endif
