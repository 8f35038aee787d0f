#include "core/catalogue/MediaSide.h"

#include "core/catalogue/TVKMedia.h"

int mediaDirectionOfPath(const QString &path)
{
    if (path.size() < 6)
        return TVKMedia::UnknownDirection;
    const QStringView tail = QStringView(path).right(6);
    if (tail.compare(QLatin1String("_R.avi"), Qt::CaseInsensitive) == 0)
        return TVKMedia::Rear;
    if (tail.compare(QLatin1String("_F.avi"), Qt::CaseInsensitive) == 0)
        return TVKMedia::Front;
    return TVKMedia::UnknownDirection;
}
