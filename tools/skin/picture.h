#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace skin {

struct Picture
{
    QString name;
    QImage image;
};

using Pictures = QList<Picture>;

// "disc.png" becomes "disc@2x.png", the name Qt looks for on screens that scale by two.
inline QString twinName(const QString &name)
{
    QString twin = name;
    return twin.insert(name.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
}

} // namespace skin
