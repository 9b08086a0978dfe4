#include "fakes.h"

#include <handvia.h>

#include <atomic>
#include <condition_variable>
#include <cstring>
#include <mutex>

namespace {

std::atomic<handvia_event_callback> eventCallback {nullptr};
std::mutex holdMutex;
std::condition_variable holdChanged;
bool held = false;
bool waiting = false;
bool abandoned = false; // waits for the lock end at once
std::atomic<int> committed {0};
unsigned iTunesVersion = 0;
QByteArray iTunesPath;
int addResult = 0;
bool kindEntries = false;
int commitResult = 0;
bool listUnreadable = false;
QList<fakes::Ringtone> phoneBeforeFailure;

void record(const QString &call)
{
    fakes::deviceCalls().append(call);
}

void copyText(const QString &text, char *buffer, int size)
{
    const QByteArray bytes = text.toUtf8().left(size - 1);
    std::memcpy(buffer, bytes.constData(), size_t(bytes.size()));
    buffer[bytes.size()] = '\0';
}

unsigned queryITunes(char *path, int size)
{
    record(QStringLiteral("query_itunes %1").arg(size));
    copyText(QString::fromUtf8(iTunesPath), path, size);
    return iTunesVersion;
}

int setEventCallback(handvia_event_callback cb)
{
    record(QStringLiteral("set_event_callback"));
    eventCallback = cb;
    return 0;
}

int commit(int device)
{
    record(QStringLiteral("commit %1").arg(device));
    {
        std::unique_lock<std::mutex> lock(holdMutex);
        waiting = held;
        holdChanged.wait(lock, [] { return !held || abandoned; });
        waiting = false;
        // As the library does: a wait given up fails, and the phone stays as it was.
        if (held) {
            ++committed;
            return -1;
        }
    }
    if (listUnreadable) {
        ++committed;
        return HANDVIA_E_DATABASE_UNREADABLE;
    }
    // A failed commit leaves the phone as it was.
    if (commitResult < 0)
        fakes::phoneRingtones() = phoneBeforeFailure;
    ++committed;
    return commitResult;
}

int copyFromPhone(int device, const char *phonePath, const char *localPath)
{
    record(QStringLiteral("copy_from_phone %1 %2 %3")
                   .arg(device)
                   .arg(QString::fromUtf8(phonePath), QString::fromUtf8(localPath)));
    return 0;
}

int replaceOnPhone(int device, const char *phonePath, const char *localPath)
{
    record(QStringLiteral("replace_on_phone %1 %2 %3")
                   .arg(device)
                   .arg(QString::fromUtf8(phonePath), QString::fromUtf8(localPath)));
    return 0;
}

int addRingtone(int device, const char *localPath, int lengthMs)
{
    record(QStringLiteral("add_ringtone %1 %2 %3")
                   .arg(device)
                   .arg(QString::fromUtf8(localPath))
                   .arg(lengthMs));
    if (kindEntries && addResult >= 0)
        fakes::phoneRingtones().append({QString::fromUtf8(localPath).section(QLatin1Char('/'), -1),
                                        QStringLiteral("NEW")});
    return addResult;
}

int setRingtoneKind(int device, int index, int kind)
{
    record(QStringLiteral("set_ringtone_kind %1 %2 %3").arg(device).arg(index).arg(kind));
    if (index < 0 || index >= fakes::phoneRingtones().size())
        return -1;
    fakes::phoneRingtones()[index].textTone = kind == HANDVIA_KIND_TONE;
    return 0;
}

int getRingtoneKind(int device, int index)
{
    if (device != 0 || index < 0 || index >= fakes::phoneRingtones().size())
        return -1;
    return fakes::phoneRingtones()[index].textTone ? HANDVIA_KIND_TONE : HANDVIA_KIND_RINGTONE;
}

int getRingtone(int device, int index, char *title, int titleSize, char *file, int fileSize)
{
    const auto &tones = fakes::phoneRingtones();
    if (device == 0 && listUnreadable)
        return HANDVIA_E_DATABASE_UNREADABLE;
    if (device != 0 || index < 0 || index >= tones.size())
        return -1;
    copyText(tones[index].title, title, titleSize);
    copyText(tones[index].fileName, file, fileSize);
    return 0;
}

int removeRingtone(int device, int index)
{
    record(QStringLiteral("remove_ringtone %1 %2").arg(device).arg(index));
    if (index >= 0 && index < fakes::phoneRingtones().size())
        fakes::phoneRingtones().removeAt(index);
    return 0;
}

int renameRingtone(int device, int index, const char *title)
{
    record(QStringLiteral("rename_ringtone %1 %2 %3")
                   .arg(device)
                   .arg(index)
                   .arg(QString::fromUtf8(title)));
    if (index >= 0 && index < fakes::phoneRingtones().size())
        fakes::phoneRingtones()[index].title = QString::fromUtf8(title);
    return 0;
}

} // namespace

QStringList &fakes::deviceCalls()
{
    static QStringList calls;
    return calls;
}

QList<fakes::Ringtone> &fakes::phoneRingtones()
{
    static QList<Ringtone> tones;
    return tones;
}

void fakes::setITunes(unsigned version, const QString &path)
{
    iTunesVersion = version;
    iTunesPath = path.toUtf8();
}

void fakes::setAddResult(int result)
{
    addResult = result;
}

void fakes::setCommitResult(int result)
{
    commitResult = result;
    phoneBeforeFailure = phoneRingtones();
}

void fakes::raiseDeviceEvent(int kind, const char *text)
{
    if (const handvia_event_callback callback = eventCallback)
        callback(kind, text);
}

static int abandonWaits(int device, int abandon)
{
    record(QStringLiteral("abandon_waits %1 %2").arg(device).arg(abandon));
    {
        std::lock_guard<std::mutex> lock(holdMutex);
        abandoned = abandon != 0;
    }
    holdChanged.notify_all();
    return 0;
}

static int startNewDatabase(int device)
{
    record(QStringLiteral("start_new_database %1").arg(device));
    // The old list goes aside with what it named.
    if (listUnreadable)
        fakes::phoneRingtones().clear();
    listUnreadable = false;
    return 0;
}

void fakes::setListUnreadable(bool unreadable)
{
    listUnreadable = unreadable;
}

void fakes::holdCommit(bool hold)
{
    {
        std::lock_guard<std::mutex> lock(holdMutex);
        held = hold;
    }
    holdChanged.notify_all();
}

bool fakes::commitWaiting()
{
    std::lock_guard<std::mutex> lock(holdMutex);
    return waiting;
}

int fakes::commitsDone()
{
    return committed;
}

HandviaApi *fakeTable();

void fakes::setKindEntries(bool present)
{
    kindEntries = present;
    fakeTable()->set_ringtone_kind = present ? setRingtoneKind : nullptr;
    fakeTable()->get_ringtone_kind = present ? getRingtoneKind : nullptr;
}

void fakes::setAbandonEntry(bool present)
{
    fakeTable()->abandon_waits = present ? abandonWaits : nullptr;
}

void fakes::setNewListEntry(bool present)
{
    fakeTable()->start_new_database = present ? startNewDatabase : nullptr;
}

void fakes::reset()
{
    playerCalls().clear();
    deviceCalls().clear();
    phoneRingtones().clear();
    setPlayerPosition(0.0);
    setPlayResult(0);
    setITunes(0, QString());
    setAddResult(0);
    setCommitResult(0);
    holdCommit(false);
    committed = 0;
    setKindEntries(false);
    setAbandonEntry(false);
    abandoned = false;
    setListUnreadable(false);
    setNewListEntry(false);
}

HandviaApi *fakeTable()
{
    static HandviaApi api = [] {
        HandviaApi table {};
        table.query_itunes = queryITunes;
        table.set_event_callback = setEventCallback;
        table.commit = commit;
        table.copy_from_phone = copyFromPhone;
        table.replace_on_phone = replaceOnPhone;
        table.add_ringtone = addRingtone;
        table.get_ringtone = getRingtone;
        table.remove_ringtone = removeRingtone;
        table.rename_ringtone = renameRingtone;
        return table;
    }();
    return &api;
}

extern "C" HandviaApi *handvia_get_api(void)
{
    return fakeTable();
}
