#ifndef DEVICELINK_H
#define DEVICELINK_H

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <utility>

// The Qt side of the device library: its table, fetched once, behind thin calls on device 0,
// and its connection events from the library's thread as a signal that Qt queues to the
// receiver's thread. A call on the phone may take seconds, so each one runs on this link's own
// thread, after the calls made before it, and hands its result back to the caller's thread.
class DeviceLink : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeviceLink)

public:
    enum Event { Connected, Disconnected, ConnectFailed };
    Q_ENUM(Event)

    // What keeps the phone from being served, as the library's phone-state entry names it.
    enum PhoneState {
        StateUnknown = -1, // the library has no such entry
        PhoneReady = 0,
        NoPhone,
        PhoneLocked,
        TrustPending,
        TrustRefused,
        NoUsbmuxd,
        OtherFailure // with the library's error text
    };

    enum Result {
        Ok,
        Failed, // no phone, the lock or the write failed; staged changes are kept
        OtherPhone, // changes staged for another phone were not written here
        UploadLost, // an uploaded tone vanished from the phone; its add was dropped
        Unsupported, // the library has no such entry
        // The phone's database holds values a rewrite would change: it was left as it was,
        // and the staged changes are kept.
        DatabaseKept,
        // The phone's database cannot be read: nothing was written, the changes are kept
        // until the user starts a new list.
        DatabaseUnreadable
    };
    Q_ENUM(Result)

    // A commit that failed this way keeps its changes for a later one.
    static bool keepsChanges(Result result)
    {
        return result == Failed || result == DatabaseKept || result == DatabaseUnreadable;
    }

    struct ITunes
    {
        unsigned version = 0; // 0 when not installed
        QString path;
    };

    struct Ringtone
    {
        QString title;
        QString fileName;
        bool textTone = false; // an alert (text) tone; false where the library cannot tell
    };

    // The list as the phone holds it; an unreadable one lists nothing and says so.
    struct Listing
    {
        QList<Ringtone> tones;
        bool unreadable = false;
    };

    struct PhoneReport
    {
        PhoneState state = StateUnknown;
        QString error; // for OtherFailure
    };

    // Runs on the thread of the context the call was given, unless that is gone by then.
    template<typename T>
    using Done = std::function<void(T)>;

    explicit DeviceLink(QObject *parent = nullptr);
    // Waits for the call running on the phone, so that it ends cleanly; queued ones are dropped.
    // The listening link first has the library give up waiting for another writer's lock.
    ~DeviceLink() override;

    // Makes this the one receiver of the library's events until it is destroyed: the
    // program's own link.
    void listen();

    // These ask nothing of the phone and answer at once.
    ITunes queryITunes() const;
    bool canRestart() const;
    // The kind of a listed entry: a ringtone or an alert (text) tone. False when the library
    // has no kind entries.
    bool canSetKind() const;
    // Whether the library can move an unreadable list aside for a new one.
    bool canStartNewList() const;

    void addRingtone(const QString &localPath, int lengthMs, QObject *context, Done<Result> done);
    void commit(QObject *context, Done<Result> done);
    // The whole list, in the phone's order: a row is the phone's index of the ringtone.
    void ringtones(QObject *context, Done<QList<Ringtone>> done);
    void listing(QObject *context, Done<Listing> done);
    // Moves an unreadable list aside on the phone, where it stays; the next commit starts a
    // new one.
    void startNewList(QObject *context, Done<Result> done);
    void removeRingtone(int index, QObject *context, Done<Result> done);
    void renameRingtone(int index, const QString &title, QObject *context, Done<Result> done);
    void copyFromPhone(const QString &phonePath,
                       const QString &localPath,
                       QObject *context,
                       Done<Result> done);
    void replaceOnPhone(const QString &phonePath,
                        const QString &localPath,
                        QObject *context,
                        Done<Result> done);
    void setRingtoneKind(int index, bool textTone, QObject *context, Done<Result> done);
    // Until a commit, an added tone is the last entry listed: this makes it a text tone.
    void markLastAsTextTone(QObject *context, Done<Result> done);
    void phoneState(QObject *context, Done<PhoneReport> done);
    void restartPhone(QObject *context, Done<Result> done);

    // True from a call until its result has been handed back.
    bool isBusy() const { return pending > 0; }

signals:
    void eventRaised(DeviceLink::Event event);
    void busyChanged(bool busy);

private:
    // Each call above is one of these: work for the phone, run in order on the link's thread.
    template<typename T>
    void run(std::function<T()> work, QObject *context, Done<T> done);
    void started();
    void finished();

    QThreadPool worker;
    int pending = 0;
    bool listening = false;
};

template<typename T>
void DeviceLink::run(std::function<T()> work, QObject *context, Done<T> done)
{
    started();
    // Checked on this object's thread only; the result reaches it through its event queue,
    // which its destruction empties.
    QPointer<QObject> receiver(context);
    worker.start([this, work = std::move(work), receiver, done = std::move(done)] {
        T value = work();
        QMetaObject::invokeMethod(
                this,
                [this, receiver, done, value = std::move(value)] {
                    // Idle first: what the result sets off may open a dialog or close the
                    // window that owns this link.
                    finished();
                    if (receiver && done)
                        done(value);
                },
                Qt::QueuedConnection);
    });
}

#endif
