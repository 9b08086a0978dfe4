#include "devicelink.h"

#include <handvia.h>

#include <mutex>

namespace {

const int device = 0;
const int textSize = 256;

HandviaApi *table()
{
    static HandviaApi *const api = handvia_get_api();
    return api;
}

// The library's callback carries no user pointer, so its receiver is kept here. The lock is
// held while an event is delivered and while the receiver changes, so a link that is going
// away waits for an event in flight instead of receiving it half destroyed. Recursive: a
// receiver on the library's thread may change it while an event is delivered.
std::recursive_mutex &deliveryMutex()
{
    static std::recursive_mutex mutex;
    return mutex;
}
DeviceLink *receiver = nullptr;

void setReceiver(DeviceLink *link, DeviceLink *expected)
{
    std::lock_guard<std::recursive_mutex> lock(deliveryMutex());
    if (!expected || receiver == expected)
        receiver = link;
}

// Called on a library thread; only kind 0 is an event, and only three texts name one.
int reportEvent(int kind, const char *text)
{
    std::lock_guard<std::recursive_mutex> lock(deliveryMutex());
    if (kind != 0 || !receiver || !text)
        return kind;
    const QString name = QString::fromLatin1(text);
    if (name == QLatin1String("connect"))
        emit receiver->eventRaised(DeviceLink::Connected);
    else if (name == QLatin1String("disconnect"))
        emit receiver->eventRaised(DeviceLink::Disconnected);
    else if (name == QLatin1String(HANDVIA_CONNECT_FAILED))
        emit receiver->eventRaised(DeviceLink::ConnectFailed);
    return kind;
}

DeviceLink::Result resultOf(int code)
{
    switch (code) {
    case HANDVIA_E_OTHER_PHONE:
        return DeviceLink::OtherPhone;
    case HANDVIA_E_UPLOAD_LOST:
        return DeviceLink::UploadLost;
    case HANDVIA_E_DATABASE_KEPT:
        return DeviceLink::DatabaseKept;
    case HANDVIA_E_DATABASE_UNREADABLE:
        return DeviceLink::DatabaseUnreadable;
    default:
        return code < 0 ? DeviceLink::Failed : DeviceLink::Ok;
    }
}

// The listing ends at the first negative answer; the first one tells an unreadable list.
DeviceLink::Listing readListing()
{
    DeviceLink::Listing listing;
    QList<DeviceLink::Ringtone> &tones = listing.tones;
    char title[textSize];
    char fileName[textSize];
    for (int i = 0;; ++i) {
        const int found = table()->get_ringtone(device, i, title, textSize, fileName, textSize);
        if (found < 0) {
            listing.unreadable = i == 0 && found == HANDVIA_E_DATABASE_UNREADABLE;
            break;
        }
        title[textSize - 1] = '\0';
        fileName[textSize - 1] = '\0';
        const bool textTone = table()->get_ringtone_kind
                && table()->get_ringtone_kind(device, i) == HANDVIA_KIND_TONE;
        tones.append({QString::fromUtf8(title), QString::fromUtf8(fileName), textTone});
    }
    return listing;
}

QList<DeviceLink::Ringtone> listRingtones()
{
    return readListing().tones;
}

DeviceLink::PhoneReport readPhoneState()
{
    if (!table()->phone_state)
        return {};
    char text[textSize] = {};
    const int state = table()->phone_state(device, text, textSize);
    text[textSize - 1] = '\0';
    const bool known = state >= DeviceLink::PhoneReady && state <= DeviceLink::OtherFailure;
    return {known ? DeviceLink::PhoneState(state) : DeviceLink::StateUnknown,
            QString::fromUtf8(text)};
}

} // namespace

DeviceLink::DeviceLink(QObject *parent)
    : QObject(parent)
{
    table();
    // One thread, so the calls reach the phone in the order they were made.
    worker.setMaxThreadCount(1);
}

DeviceLink::~DeviceLink()
{
    setReceiver(nullptr, this);
    worker.clear();
    // The program's own link goes when the program closes: a commit waiting for another
    // writer's lock gives up, its changes kept, rather than hold the exit for seconds.
    const auto abandon = listening ? table()->abandon_waits : nullptr;
    if (abandon)
        abandon(device, 1);
    worker.waitForDone();
    if (abandon)
        abandon(device, 0);
}

void DeviceLink::listen()
{
    listening = true;
    setReceiver(this, nullptr);
    // At once: the program listens when its window opens, before any call could hold the
    // library, and an event raised right after must find its receiver.
    table()->set_event_callback(reportEvent);
}

DeviceLink::ITunes DeviceLink::queryITunes() const
{
    char path[HANDVIA_ITUNES_PATH_SIZE] = {};
    ITunes found;
    found.version = table()->query_itunes(path, HANDVIA_ITUNES_PATH_SIZE);
    found.path = QString::fromUtf8(path);
    return found;
}

// A folder standing in for the phone (HANDVIA_ROOT, which the library follows) has nothing to
// restart.
bool DeviceLink::canRestart() const
{
    return table()->restart_phone != nullptr && qEnvironmentVariableIsEmpty("HANDVIA_ROOT");
}

bool DeviceLink::canSetKind() const
{
    return table()->set_ringtone_kind && table()->get_ringtone_kind;
}

bool DeviceLink::canStartNewList() const
{
    return table()->start_new_database != nullptr;
}

void DeviceLink::addRingtone(const QString &localPath,
                             int lengthMs,
                             QObject *context,
                             Done<Result> done)
{
    run<Result>(
            [path = localPath.toUtf8(), lengthMs] {
                return resultOf(table()->add_ringtone(device, path.constData(), lengthMs));
            },
            context,
            std::move(done));
}

void DeviceLink::commit(QObject *context, Done<Result> done)
{
    run<Result>([] { return resultOf(table()->commit(device)); }, context, std::move(done));
}

void DeviceLink::ringtones(QObject *context, Done<QList<Ringtone>> done)
{
    run<QList<Ringtone>>(listRingtones, context, std::move(done));
}

void DeviceLink::listing(QObject *context, Done<Listing> done)
{
    run<Listing>(readListing, context, std::move(done));
}

void DeviceLink::startNewList(QObject *context, Done<Result> done)
{
    run<Result>(
            [] {
                return table()->start_new_database ? resultOf(table()->start_new_database(device))
                                                   : Unsupported;
            },
            context,
            std::move(done));
}

void DeviceLink::removeRingtone(int index, QObject *context, Done<Result> done)
{
    run<Result>([index] { return resultOf(table()->remove_ringtone(device, index)); },
                context,
                std::move(done));
}

void DeviceLink::renameRingtone(int index,
                                const QString &title,
                                QObject *context,
                                Done<Result> done)
{
    run<Result>(
            [index, text = title.toUtf8()] {
                return resultOf(table()->rename_ringtone(device, index, text.constData()));
            },
            context,
            std::move(done));
}

void DeviceLink::copyFromPhone(const QString &phonePath,
                               const QString &localPath,
                               QObject *context,
                               Done<Result> done)
{
    run<Result>(
            [from = phonePath.toUtf8(), to = localPath.toUtf8()] {
                return resultOf(table()->copy_from_phone(device, from.constData(), to.constData()));
            },
            context,
            std::move(done));
}

void DeviceLink::replaceOnPhone(const QString &phonePath,
                                const QString &localPath,
                                QObject *context,
                                Done<Result> done)
{
    run<Result>(
            [to = phonePath.toUtf8(), from = localPath.toUtf8()] {
                return resultOf(
                        table()->replace_on_phone(device, to.constData(), from.constData()));
            },
            context,
            std::move(done));
}

void DeviceLink::setRingtoneKind(int index, bool textTone, QObject *context, Done<Result> done)
{
    run<Result>(
            [index, textTone] {
                if (!table()->set_ringtone_kind)
                    return Unsupported;
                const int kind = textTone ? HANDVIA_KIND_TONE : HANDVIA_KIND_RINGTONE;
                return resultOf(table()->set_ringtone_kind(device, index, kind));
            },
            context,
            std::move(done));
}

void DeviceLink::markLastAsTextTone(QObject *context, Done<Result> done)
{
    run<Result>(
            [] {
                if (!table()->set_ringtone_kind)
                    return Unsupported;
                const int last = int(listRingtones().size()) - 1;
                return last < 0
                        ? Failed
                        : resultOf(table()->set_ringtone_kind(device, last, HANDVIA_KIND_TONE));
            },
            context,
            std::move(done));
}

void DeviceLink::phoneState(QObject *context, Done<PhoneReport> done)
{
    run<PhoneReport>(readPhoneState, context, std::move(done));
}

void DeviceLink::restartPhone(QObject *context, Done<Result> done)
{
    run<Result>(
            [] {
                return table()->restart_phone ? resultOf(table()->restart_phone(device))
                                              : Unsupported;
            },
            context,
            std::move(done));
}

void DeviceLink::started()
{
    if (pending++ == 0)
        emit busyChanged(true);
}

void DeviceLink::finished()
{
    if (--pending == 0)
        emit busyChanged(false);
}
