// A temporary folder standing for the phone's media root, named by HANDVIA_ROOT.
#ifndef PHONEFOLDER_H
#define PHONEFOLDER_H

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class PhoneFolder
{
public:
    enum Layout { WithControl, Empty };
    explicit PhoneFolder(Layout layout = WithControl);

    QString root() const { return m_dir.path() + QStringLiteral("/phone"); }
    QString path(const QString &relative) const { return root() + QLatin1Char('/') + relative; }
    QString localPath(const QString &name) const;

    void write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;
    // A local file outside the phone, e.g. a ringtone made by the program.
    QString writeLocal(const QString &name, const QByteArray &bytes) const;

    static QByteArray databasePath() { return "iTunes_Control/iTunes/Ringtones.plist"; }

private:
    QTemporaryDir m_dir;
};

#endif
