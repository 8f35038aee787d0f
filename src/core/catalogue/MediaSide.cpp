#include "core/catalogue/MediaSide.h"

#include "core/catalogue/MediaFile.h"

int mediaDirectionOfPath(const QString &path)
{
    if (path.size() < 6)
        return MediaFile::UnknownDirection;
    const QStringView tail = QStringView(path).right(6);
    if (tail.compare(QLatin1String("_R.avi"), Qt::CaseInsensitive) == 0)
        return MediaFile::Rear;
    if (tail.compare(QLatin1String("_F.avi"), Qt::CaseInsensitive) == 0)
        return MediaFile::Front;
    return MediaFile::UnknownDirection;
}
