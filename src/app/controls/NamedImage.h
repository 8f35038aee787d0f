#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The application's images are SVG resources under ":/images", found by name. A name may
// carry the ".png" of older artwork references; the stem is what counts. A missing image gives
// a null pixmap, which callers simply do not draw.
namespace tvk {

QString imageResourcePath(const QString &name);
bool hasNamedImage(const QString &name);
// Natural size of the image in device-independent pixels (its SVG view box), or empty.
QSize namedImageSize(const QString &name);
// The image rendered at `size` (its natural size when empty) for the given device pixel ratio.
QPixmap namedPixmap(const QString &name, QSize size = {}, qreal devicePixelRatio = 1.0);

} // namespace tvk
