#include "weblinks.h"

#include "app/qxlanguage.h"

#include <QCoreApplication>

QString siteUrl()
{
    if (QxLanguage::instance()->currentLanguage() == QLatin1String("es"))
        return QStringLiteral("https://www.marvolen.es");
    return QStringLiteral("https://www.marvolen.com");
}

QString productPageUrl()
{
    return QStringLiteral("%1/%2.html").arg(siteUrl(), QStringLiteral("vardel"));
}

QString supportUrl()
{
    return QStringLiteral("%1/support.html").arg(siteUrl());
}

QString helpFilePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/help.chm");
}

QString helpIndexPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/help/index.html");
}

QString licencesPagePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/help/licences.html");
}

QString productVersion()
{
#ifdef VARDEL_VERSION
    return QStringLiteral(VARDEL_VERSION);
#else
    return QString();
#endif
}
