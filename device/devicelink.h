#ifndef DEVICELINK_H
#define DEVICELINK_H

#include <QObject>
#include <QString>

// The Qt side of the device library: its table, fetched once, behind thin calls on device 0,
// and its connection events from the library's thread as a signal that Qt queues to the
// receiver's thread.
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

    struct ITunes
    {
        unsigned version = 0; // 0 when not installed
        QString path;
    };

    explicit DeviceLink(QObject *parent = nullptr);
    ~DeviceLink() override;

    // Makes this the one receiver of the library's events until it is destroyed.
    void listen();

    ITunes queryITunes() const;
    int addRingtone(const QString &localPath, int lengthMs);
    int commit();
    // Whether a commit that returned this failed with its changes kept for a later commit.
    static bool keepsChanges(int commitResult);
    // False past the last ringtone.
    bool ringtone(int index, QString &title, QString &fileName) const;
    int removeRingtone(int index);
    int renameRingtone(int index, const QString &title);
    int copyFromPhone(const QString &phonePath, const QString &localPath);
    int replaceOnPhone(const QString &phonePath, const QString &localPath);
    // The kind of a listed entry: a ringtone or an alert (text) tone. False when the library
    // has no kind entries.
    bool canSetKind() const;
    int setRingtoneKind(int index, bool textTone);
    // False for a ringtone, when the library cannot tell, and past the last ringtone.
    bool isTextTone(int index) const;
    PhoneState phoneState(QString *errorText = nullptr) const;
    // False when the library has no restart entry.
    bool canRestart() const;
    int restartPhone();

signals:
    void eventRaised(DeviceLink::Event event);
};

#endif
