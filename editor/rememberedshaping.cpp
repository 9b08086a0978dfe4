#include "rememberedshaping.h"

#include "app/settings.h"

#include <QStringList>

#include <utility>

namespace {

const QString fadeInKey = QStringLiteral("FadeIn");

} // namespace

QString RememberedShaping::describe(const Values &values)
{
    QStringList parts;
    if (values.fadeIn > 0)
        parts << tr("Fade-in %1 s").arg(values.fadeIn);
    if (values.fadeOut > 0)
        parts << tr("Fade-out %1 s").arg(values.fadeOut);
    if (values.loop)
        parts << tr("Loop on");
    if (values.evenLoudness)
        parts << tr("Even loudness on");
    if (parts.isEmpty())
        return {};
    QString list = parts.takeFirst();
    for (const QString &part : std::as_const(parts))
        list = tr("%1, %2").arg(list, part);
    return tr("%1, from last time").arg(list);
}

QString RememberedShaping::tellOnce(const Values &values)
{
    if (told)
        return {};
    told = true;
    return describe(values);
}

// A missing key leaves the fade-in as the form makes it: none.
int RememberedShaping::fadeIn()
{
    return qMax(0, readSetting(fadeInKey, QStringLiteral("0")).toInt());
}

void RememberedShaping::rememberFadeIn(int seconds)
{
    writeSetting(fadeInKey, QString::number(seconds));
}
