// The test's side of the stand-in phone (standin_phone.py): its control socket and its
// media folder, both named in the environment by the script that started the test.
#ifndef STANDIN_H
#define STANDIN_H

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Standin {

// Sends one control line and returns the answer line ("ok" for plain switches).
QByteArray command(const QByteArray &line);
bool available();
QByteArray udid();
QStringList notifications();
int count(const QByteArray &prefix);

// The folder standing for the phone's media partition.
QString path(const QString &relative);
void write(const QString &relative, const QByteArray &bytes);
QByteArray read(const QString &relative);
bool exists(const QString &relative);

inline QString databasePath()
{
    return QStringLiteral("iTunes_Control/iTunes/Ringtones.plist");
}

} // namespace Standin

#endif
