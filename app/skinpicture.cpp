#include "skinpicture.h"

#include <QPixmapCache>

#include <cmath>

QString twinPath(const QString &path)
{
    QString twin = path;
    return twin.insert(path.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
}

// Windows paint their pictures on every frame of the turning disc, so a loaded twin is kept
// with its ratio already set instead of being copied to set it each time.
QPixmap skinPixmap(const QString &path, qreal ratio)
{
    QPixmap picture;
    if (ratio <= 1.0) {
        picture.load(path);
        return picture;
    }
    const QString twin = twinPath(path);
    const QString key = QStringLiteral("vardel-skin-twin:") + twin;
    if (QPixmapCache::find(key, &picture))
        return picture;
    if (!picture.load(twin)) {
        picture.load(path);
        return picture;
    }
    picture.setDevicePixelRatio(2.0);
    QPixmapCache::insert(key, picture);
    return picture;
}

QRect picturePart(const QPixmap &picture, const QRect &logical)
{
    const qreal ratio = picture.devicePixelRatio();
    return QRect(qRound(logical.x() * ratio),
                 qRound(logical.y() * ratio),
                 qRound(logical.width() * ratio),
                 qRound(logical.height() * ratio));
}

void filterFractionalScaling(QPainter &painter, qreal ratio)
{
    if (ratio != std::floor(ratio))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
}
