#include "ringtonelistmodel.h"

#include <QCoreApplication>
#include <QFont>
#include <QIcon>

RingtoneListModel::RingtoneListModel(std::function<bool()> known, QObject *parent)
    : QAbstractListModel(parent)
    , kindsKnown(std::move(known))
{ }

void RingtoneListModel::setRingtones(const QList<DeviceLink::Ringtone> &tones)
{
    beginResetModel();
    entries.clear();
    entries.reserve(tones.size());
    for (const DeviceLink::Ringtone &tone : tones)
        entries.append({tone, QString()});
    endResetModel();
}

void RingtoneListModel::setWaitingCheck(std::function<bool(const QString &)> check)
{
    isWaiting = std::move(check);
    showWaiting();
}

void RingtoneListModel::showWaiting()
{
    if (!entries.isEmpty())
        emit dataChanged(index(0),
                         index(int(entries.size()) - 1),
                         {Qt::FontRole, Qt::ToolTipRole, Qt::AccessibleTextRole});
}

int RingtoneListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(entries.size());
}

QVariant RingtoneListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= entries.size())
        return {};
    const Entry &entry = entries[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return entry.shown.isEmpty() ? unescapeTitle(entry.tone.title) : entry.shown;
    case PhonePathRole:
        return QStringLiteral("/iTunes_Control/Ringtones/") + entry.tone.fileName;
    case TextToneRole:
        return entry.tone.textTone;
    case Qt::DecorationRole:
        // The icon tells the kind, where the library can tell it.
        if (!kindsKnown())
            return {};
        return QIcon(entry.tone.textTone ? QStringLiteral(":/images/kind_tone.png")
                                         : QStringLiteral(":/images/kind_ringtone.png"));
    case Qt::FontRole: {
        if (!isWaiting || !isWaiting(entry.tone.fileName))
            return {};
        QFont font = waitingFont;
        font.setItalic(true);
        return font;
    }
    case Qt::ToolTipRole:
        return toolTip(index.row());
    case Qt::AccessibleTextRole:
        return spokenText(index.row());
    default:
        return {};
    }
}

// Its kind and whether its changes still wait to be sent, in the dialog's words.
QStringList RingtoneListModel::notes(int row) const
{
    const Entry &entry = entries[row];
    QStringList notes;
    // Told in the dialog's words: the manager's translations hold them.
    const auto told
            = [](const char *text) { return QCoreApplication::translate("ManageDialog", text); };
    if (kindsKnown())
        notes << (entry.tone.textTone ? told("text tone") : told("ringtone"));
    if (isWaiting && isWaiting(entry.tone.fileName))
        notes << told("waiting to be sent");
    return notes;
}

// The whole title, which the list's width may cut, with its notes.
QString RingtoneListModel::toolTip(int row) const
{
    const QStringList noted = notes(row);
    const QString title = data(index(row), Qt::DisplayRole).toString();
    return noted.isEmpty() ? title
                           : QStringLiteral("%1 (%2)").arg(title, noted.join(QStringLiteral(", ")));
}

// Read aloud as a sentence: "Mum, text tone".
QString RingtoneListModel::spokenText(int row) const
{
    return (QStringList(data(index(row), Qt::DisplayRole).toString()) + notes(row))
            .join(QStringLiteral(", "));
}

bool RingtoneListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= entries.size())
        return false;
    Entry &entry = entries[index.row()];
    if (role == Qt::DisplayRole)
        entry.shown = value.toString();
    else if (role == TextToneRole)
        entry.tone.textTone = value.toBool();
    else
        return false;
    emit dataChanged(index, index);
    return true;
}

bool RingtoneListModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > entries.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    entries.remove(row, count);
    endRemoveRows();
    return true;
}

QString RingtoneListModel::fileNameAt(int row) const
{
    return row >= 0 && row < entries.size() ? entries[row].tone.fileName : QString();
}

QString RingtoneListModel::unescapeTitle(QString title)
{
    return title.replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"));
}
