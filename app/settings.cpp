#include "settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

// One store per access: nothing is cached between calls.
std::unique_ptr<QSettings> openSettings()
{
    auto settings
            = std::make_unique<QSettings>(QStringLiteral("Marvolen"), QStringLiteral("Vardel"));
    settings->beginGroup(QStringLiteral("Setting"));
    return settings;
}

QString productTitle()
{
    return QStringLiteral("Marvolen Vardel");
}

QString readSetting(const QString &key, const QString &defaultValue)
{
    const std::unique_ptr<QSettings> settings = openSettings();
    return settings->value(key, defaultValue).toString();
}

void writeSetting(const QString &key, const QString &value)
{
    const std::unique_ptr<QSettings> settings = openSettings();
    settings->setValue(key, value);
}

QString documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() ? QDir::homePath() : folder;
}
