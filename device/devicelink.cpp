#include "devicelink.h"

#include <handvia.h>

#include <atomic>

namespace {

const int device = 0;
const int textSize = 256;

HandviaApi *table()
{
    static HandviaApi *const api = handvia_get_api();
    return api;
}

// The library's callback carries no user pointer, so its receiver is kept here.
std::atomic<DeviceLink *> receiver {nullptr};

// Called on a library thread; only kind 0 is an event, and only three texts name one.
int reportEvent(int kind, const char *text)
{
    DeviceLink *link = receiver;
    if (kind != 0 || !link)
        return kind;
    const QString name = QString::fromLatin1(text);
    if (name == QLatin1String("connect"))
        emit link->eventRaised(DeviceLink::Connected);
    else if (name == QLatin1String("disconnect"))
        emit link->eventRaised(DeviceLink::Disconnected);
    else if (name == QLatin1String(HANDVIA_CONNECT_FAILED))
        emit link->eventRaised(DeviceLink::ConnectFailed);
    return kind;
}

} // namespace

DeviceLink::DeviceLink(QObject *parent)
    : QObject(parent)
{
    table();
}

DeviceLink::~DeviceLink()
{
    DeviceLink *self = this;
    receiver.compare_exchange_strong(self, nullptr);
}

void DeviceLink::listen()
{
    receiver = this;
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

int DeviceLink::addRingtone(const QString &localPath, int lengthMs)
{
    return table()->add_ringtone(device, localPath.toUtf8().constData(), lengthMs);
}

int DeviceLink::commit()
{
    return table()->commit(device);
}

bool DeviceLink::keepsChanges(int commitResult)
{
    return commitResult < 0 && commitResult != HANDVIA_E_OTHER_PHONE
            && commitResult != HANDVIA_E_UPLOAD_LOST;
}

bool DeviceLink::ringtone(int index, QString &title, QString &fileName) const
{
    char titleText[textSize];
    char fileText[textSize];
    if (table()->get_ringtone(device, index, titleText, textSize, fileText, textSize) < 0)
        return false;
    titleText[textSize - 1] = '\0';
    fileText[textSize - 1] = '\0';
    title = QString::fromUtf8(titleText);
    fileName = QString::fromUtf8(fileText);
    return true;
}

int DeviceLink::removeRingtone(int index)
{
    return table()->remove_ringtone(device, index);
}

int DeviceLink::renameRingtone(int index, const QString &title)
{
    return table()->rename_ringtone(device, index, title.toUtf8().constData());
}

int DeviceLink::copyFromPhone(const QString &phonePath, const QString &localPath)
{
    return table()->copy_from_phone(
            device, phonePath.toUtf8().constData(), localPath.toUtf8().constData());
}

int DeviceLink::replaceOnPhone(const QString &phonePath, const QString &localPath)
{
    return table()->replace_on_phone(
            device, phonePath.toUtf8().constData(), localPath.toUtf8().constData());
}

bool DeviceLink::canSetKind() const
{
    return table()->set_ringtone_kind && table()->get_ringtone_kind;
}

int DeviceLink::setRingtoneKind(int index, bool textTone)
{
    return canSetKind() ? table()->set_ringtone_kind(
                   device, index, textTone ? HANDVIA_KIND_TONE : HANDVIA_KIND_RINGTONE)
                        : -1;
}

bool DeviceLink::isTextTone(int index) const
{
    return canSetKind() && table()->get_ringtone_kind(device, index) == HANDVIA_KIND_TONE;
}

DeviceLink::PhoneState DeviceLink::phoneState(QString *errorText) const
{
    if (!table()->phone_state)
        return StateUnknown;
    char text[textSize] = {};
    const int state = table()->phone_state(device, text, textSize);
    text[textSize - 1] = '\0';
    if (errorText)
        *errorText = QString::fromUtf8(text);
    return state >= PhoneReady && state <= OtherFailure ? PhoneState(state) : StateUnknown;
}

bool DeviceLink::canRestart() const
{
    return table()->restart_phone != nullptr;
}

int DeviceLink::restartPhone()
{
    return canRestart() ? table()->restart_phone(device) : -1;
}
