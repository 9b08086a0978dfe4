#include "settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

const char *const organisation = "Marvolen";
const char *const application = "Vardel";
const char *const group = "Setting";

} // namespace

QString readSetting(const QString &key, const QString &defaultValue)
{
    QSettings settings(QLatin1String(organisation), QLatin1String(application));
    settings.beginGroup(QLatin1String(group));
    return settings.value(key, defaultValue).toString();
}

void writeSetting(const QString &key, const QString &value)
{
    QSettings settings(QLatin1String(organisation), QLatin1String(application));
    settings.beginGroup(QLatin1String(group));
    settings.setValue(key, value);
}

QString documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() ? QDir::homePath() : folder;
}
