#include "core/card/recordedlsblk.h"

#include "core/common/regularfile.h"

#include <QFile>

tvk::Result<QByteArray> readRecordedLsblk(const QString &path)
{
    QFile file(path);
    if (tvk::Result<void> opened = tvk::openRegularFile(file); !opened)
        return opened.failure();
    const tvk::Failure tooLarge{QT_TRID_NOOP("msg.lsblk_too_large"),
                                path,
                                {},
                                {QString::number(kLargestLsblkOutput >> 20)}};
    if (file.size() > kLargestLsblkOutput)
        return tooLarge;
    // The file may grow while it is read: one byte past the limit tells.
    QByteArray bytes = file.read(kLargestLsblkOutput + 1);
    if (file.error() != QFileDevice::NoError)
        return tvk::Failure{QT_TRID_NOOP("msg.file_read_fail"), path, file.errorString()};
    if (bytes.size() > kLargestLsblkOutput)
        return tooLarge;
    return bytes;
}
