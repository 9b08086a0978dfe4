#ifndef COMMITRETRY_H
#define COMMITRETRY_H

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

class DeviceLink;

// Changes the device library keeps after a failed commit (a sync lock held by another
// program, a write that failed) are committed again every 10 s while the phone stays
// connected, until one commit writes them or the library drops them.
class CommitRetry : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CommitRetry)

public:
    static const int intervalMs = 10000;

    CommitRetry(DeviceLink &device, QObject *parent = nullptr);

    // After a commit that failed with the changes kept; phoneFile names the entry they touch
    // (empty when none is listed, as after a removal).
    void wait(const QString &phoneFile = {});
    // The same for changes the user made elsewhere, named in words for telling what waits.
    void waitFor(const QStringList &changes);
    QStringList changes() const { return described; }
    void setConnected(bool connected);
    // Another commit succeeded: what waited went with it.
    void committedElsewhere();
    bool isWaiting() const { return waiting; }
    // Whether the entry of this phone file name has changes that wait.
    bool isWaiting(const QString &phoneFile) const { return files.contains(phoneFile); }

signals:
    void sent();
    // The library dropped the changes: another phone came, or an upload vanished.
    void dropped();
    void changed();

private:
    void retry();
    void finish();

    DeviceLink &device;
    QTimer timer;
    bool waiting = false;
    bool connected = false;
    QSet<QString> files;
    QStringList described;
};

#endif
