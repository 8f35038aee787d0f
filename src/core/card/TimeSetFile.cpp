#include "core/card/TimeSetFile.h"

#include "core/common/cformat.h"
#include "core/common/replacefile.h"

std::optional<QByteArray> timesetText(const QDate &date, const QTime &time)
{
    if (!date.isValid() || !time.isValid() || date.year() < 1 || date.year() > 9999)
        return std::nullopt;
    const QString text = tvk::cformat("%04d/%02d/%02d %02d:%02d:%02d", date.year(), date.month(),
                                      date.day(), time.hour(), time.minute(), time.second());
    return text.toLatin1();
}

tvk::Result<void> writeTimesetFile(const QString &path, const QDate &date, const QTime &time)
{
    const std::optional<QByteArray> bytes = timesetText(date, time);
    if (!bytes)
        return tvk::Failure{QT_TRID_NOOP("msg.date_unwritable"), path};
    return replaceFileContents(path, *bytes);
}
