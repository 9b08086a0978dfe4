#include "commitretry.h"

#include "device/devicelink.h"

CommitRetry::CommitRetry(DeviceLink &link, QObject *parent)
    : QObject(parent)
    , device(link)
{
    setObjectName(QStringLiteral("commitRetry"));
    timer.setObjectName(QStringLiteral("commitRetryTimer"));
    timer.setParent(this);
    // Counted from the end of each attempt: a commit may wait on the phone's lock for a while.
    timer.setSingleShot(true);
    timer.setInterval(intervalMs);
    connect(&timer, &QTimer::timeout, this, &CommitRetry::retry);
}

void CommitRetry::wait(const QString &phoneFile)
{
    waiting = true;
    if (!phoneFile.isEmpty())
        files.insert(phoneFile);
    if (connected)
        timer.start();
    emit changed();
}

void CommitRetry::waitFor(const QStringList &changes)
{
    for (const QString &change : changes) {
        if (!change.isEmpty() && !described.contains(change))
            described.append(change);
    }
    wait();
}

void CommitRetry::setConnected(bool on)
{
    connected = on;
    if (waiting && on)
        timer.start();
    else
        timer.stop();
}

void CommitRetry::retry()
{
    if (!waiting || !connected)
        return;
    device.commit(this, [this](DeviceLink::Result result) {
        if (result == DeviceLink::Ok) {
            finish();
            emit sent();
        } else if (DeviceLink::keepsChanges(result)) {
            // Kept for a later commit.
            if (waiting && connected)
                timer.start();
        } else {
            finish();
            emit dropped();
        }
    });
}

void CommitRetry::committedElsewhere()
{
    if (waiting)
        finish();
}

void CommitRetry::finish()
{
    waiting = false;
    files.clear();
    described.clear();
    timer.stop();
    emit changed();
}
