// Helpers shared by the device library's tests: the table's listing, the database as the phone
// reads it, and the events the library reports.
#ifndef HANDVIATABLE_H
#define HANDVIATABLE_H

#include "handvia.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <plist/plist.h>

struct Listed
{
    QString title;
    QString file;
    bool operator==(const Listed &o) const { return title == o.title && file == o.file; }
};

QVector<Listed> listAll(HandviaApi *api);
QStringList titlesOf(const QVector<Listed> &tones);

// A database in the XML form that other tools write.
QByteArray entryXml(const QByteArray &file, const QByteArray &body);
QByteArray toneXml(const QByteArray &file, const QByteArray &title, const QByteArray &guid);
QByteArray databaseXml(const QByteArray &ringtones);

// The database as the phone would read it, for checks the table cannot show.
class PlistFile
{
public:
    explicit PlistFile(const QByteArray &bytes);
    ~PlistFile();
    PlistFile(const PlistFile &) = delete;
    PlistFile &operator=(const PlistFile &) = delete;

    plist_t entry(const QString &file) const;
    QStringList files() const;
    static QString string(plist_t entry, const char *key);
    static uint64_t number(plist_t entry, const char *key);

private:
    plist_t m_root = nullptr;
};

// Records the library's events, from whatever thread they come.
int recordEvent(int kind, const char *text);
QStringList recordedEvents();
void clearEvents();

#endif
