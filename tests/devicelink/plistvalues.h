// What an independent reader finds in plist files: Python's plistlib, and a walk of the binary
// form's objects (tests/devicelink/plistvalues.py).
#ifndef PLISTVALUES_H
#define PLISTVALUES_H

#include <QByteArray>
#include <QJsonValue>
#include <QStringList>
#include <QVector>

struct PlistValues
{
    QJsonValue raw; // path -> the bytes of its object; null for the XML form
    QJsonValue values; // path -> what plistlib reads; null when it cannot read the file
};

// One result per file, none when the reader failed. ignored: paths under Ringtones such as
// "ZZZZ.m4r" or "PLAN.m4r/Name", in short ASCII names, left out.
QVector<PlistValues> readPlistValues(const QVector<QByteArray> &files, const QStringList &ignored);

#endif
