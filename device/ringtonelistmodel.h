#ifndef RINGTONELISTMODEL_H
#define RINGTONELISTMODEL_H

#include "devicelink.h"

#include <QAbstractListModel>
#include <QFont>
#include <QList>

#include <functional>

// The phone's ringtones as the manager lists them, one row per phone index. A phone may hold
// a hundred thousand: the list is taken whole at once, and each row's text, icon, font and tool
// tip are made only when the view shows it.
class RingtoneListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RingtoneListModel)

public:
    static const int PhonePathRole = Qt::UserRole + 1;
    static const int TextToneRole = Qt::UserRole + 2;

    // kindsKnown: whether the library tells a text tone from a ringtone.
    RingtoneListModel(std::function<bool()> kindsKnown, QObject *parent = nullptr);

    void setRingtones(const QList<DeviceLink::Ringtone> &tones);
    void clear() { setRingtones({}); }
    // Tells which entries (by phone file name) have changes waiting to be sent.
    void setWaitingCheck(std::function<bool(const QString &)> check);
    // The waiting marks changed: every row is shown again.
    void showWaiting();
    // Entries that wait are shown in this font, in italics.
    void setFont(const QFont &font) { waitingFont = font; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // The title (display role, as shown) or the kind (TextToneRole) of one row.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    QString fileNameAt(int row) const;

    static QString unescapeTitle(QString title);

private:
    QStringList notes(int row) const;
    QString toolTip(int row) const;
    QString spokenText(int row) const;

    struct Entry
    {
        DeviceLink::Ringtone tone; // the title as the phone stores it
        QString shown; // the title as typed since, or empty for the stored one
    };
    QList<Entry> entries;
    std::function<bool()> kindsKnown;
    std::function<bool(const QString &)> isWaiting;
    QFont waitingFont;
};

#endif
