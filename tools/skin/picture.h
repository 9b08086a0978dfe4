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

} // namespace skin
