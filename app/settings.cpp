#include "settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace {

// One store per access: nothing is cached between calls.
QSettings *openStore()
{
    auto *settings = new QSettings(QStringLiteral("Marvolen"), QStringLiteral("Vardel"));
    settings->beginGroup(QStringLiteral("Setting"));
    return settings;
}

} // namespace

QString readSetting(const QString &key, const QString &defaultValue)
{
    const std::unique_ptr<QSettings> settings(openStore());
    return settings->value(key, defaultValue).toString();
}

void writeSetting(const QString &key, const QString &value)
{
    const std::unique_ptr<QSettings> settings(openStore());
    settings->setValue(key, value);
}

QString documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() ? QDir::homePath() : folder;
}
