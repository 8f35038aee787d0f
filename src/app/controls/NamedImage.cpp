#include "app/controls/NamedImage.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace tvk {

QString imageResourcePath(const QString &name)
{
    QString stem = name;
    if (stem.endsWith(QLatin1String(".png")) || stem.endsWith(QLatin1String(".svg")))
        stem.chop(4);
    return QStringLiteral(":/images/%1.svg").arg(stem);
}

bool hasNamedImage(const QString &name)
{
    return !name.isEmpty() && QFile::exists(imageResourcePath(name));
}

QSize namedImageSize(const QString &name)
{
    static QHash<QString, QSize> sizes;
    const auto it = sizes.constFind(name);
    if (it != sizes.cend())
        return *it;
    QSize size;
    if (hasNamedImage(name)) {
        QSvgRenderer renderer(imageResourcePath(name));
        if (renderer.isValid())
            size = renderer.defaultSize();
    }
    sizes.insert(name, size);
    return size;
}

QPixmap namedPixmap(const QString &name, QSize size, qreal devicePixelRatio)
{
    if (size.isEmpty())
        size = namedImageSize(name);
    if (size.isEmpty())
        return {};
    const QString key = QStringLiteral("tvk:%1:%2x%3@%4")
                            .arg(name)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QSvgRenderer renderer(imageResourcePath(name));
    if (!renderer.isValid())
        return {};
    pixmap = QPixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace tvk
