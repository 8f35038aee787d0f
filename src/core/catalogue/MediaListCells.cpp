#include "core/catalogue/MediaListCells.h"

#include "core/common/cformat.h"

#include <QCoreApplication>

namespace medialist {

const Column &column(int index)
{
    static const Column columns[kColumnCount] = {
        {"saveMode", QT_TRID_NOOP("filelist.mode"), Qt::AlignCenter},
        {"date", QT_TRID_NOOP("filelist.date"), Qt::AlignCenter},
        {"time", QT_TRID_NOOP("filelist.time"), Qt::AlignCenter},
        {"file", QT_TRID_NOOP("filelist.file"), Qt::AlignLeft | Qt::AlignVCenter},
    };
    return columns[std::clamp(index, 0, kColumnCount - 1)];
}

const char *kindKey(const MediaFile &media)
{
    if (media.isAlwaysMedia())
        return QT_TRID_NOOP("media.always");
    if (media.isMotionMedia())
        return QT_TRID_NOOP("media.motion");
    if (media.isEventMedia())
        return QT_TRID_NOOP("media.event");
    return QT_TRID_NOOP("media.unknown");
}

QString kindImageName(const MediaFile &media)
{
    const char *side = media.isFrontMedia() ? "front" : (media.isRearMedia() ? "rear" : nullptr);
    const char *kind = media.isAlwaysMedia()   ? "alwa"
                       : media.isMotionMedia() ? "motion"
                       : media.isEventMedia()  ? "event"
                                               : nullptr;
    if (!side || !kind)
        return {};
    return QStringLiteral("car_%1_%2").arg(QLatin1String(side), QLatin1String(kind));
}

QString dateText(const MediaFile &media)
{
    if (media.year() < 1)
        return {};
    return tvk::cformat("%04d-%02d-%02d", media.year(), media.month(), media.day());
}

QString timeText(const MediaFile &media)
{
    if (media.year() < 1)
        return {};
    return tvk::cformat("%02d:%02d:%02d", media.hour(), media.minute(), media.second());
}

QStringList nameParts(const MediaFile &media)
{
    const QString &name = media.mediaName();
    const QString tail = u'.' + media.extension();
    const bool known = media.year() >= 1 && media.mediaDirection() != MediaFile::UnknownDirection;
    if (!known || name.size() < 8)
        return {name, QString(), QString(), tail};
    return {name.chopped(8), name.right(8).left(6), name.right(2), tail};
}

} // namespace medialist
