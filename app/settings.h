#ifndef SETTINGS_H
#define SETTINGS_H

#include <QString>

#include <memory>

class QSettings;

// Every access opens the store and closes it again before returning, so a value is
// on disk as soon as writeSetting returns and nothing is cached between calls.
QString readSetting(const QString &key, const QString &defaultValue);
void writeSetting(const QString &key, const QString &value);

// The settings store, opened on its one group.
std::unique_ptr<QSettings> openSettings();

// The program's name as its windows and message boxes show it.
QString productTitle();

// The user's documents folder, or the home folder when the desktop names none.
QString documentsFolder();

#endif
