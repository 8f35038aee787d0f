#include "core/records/drivingrecordfile.h"

#include "core/common/log.h"
#include "core/common/regularfile.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace {

tvk::Result<DrivingRecordFile> fromHeader(const QByteArray &header)
{
    if (header.size() < kDrivingRecordHeaderSize)
        return tvk::Failure{QT_TRID_NOOP("msg.drv_no_header")};
    DrivingRecordFile file;
    file.recordCount = qFromLittleEndian<quint32>(header.constData());
    if (file.recordCount > kMaxDrivingRecords)
        return tvk::Failure{
            QT_TRID_NOOP("msg.drv_refused"), {}, {}, {QString::number(file.recordCount)}};
    return file;
}

void appendRecords(DrivingRecordFile &file, const QByteArray &body)
{
    const qsizetype complete = body.size() / DrivingRecordImage::kSize;
    const qsizetype count = std::min<qsizetype>(complete, file.recordCount);
    const auto *bytes = reinterpret_cast<const uchar *>(body.constData());
    file.records.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        file.records.append(DrivingRecordImage::decode(bytes + i * DrivingRecordImage::kSize));
}

} // namespace

tvk::Result<DrivingRecordFile> readDrivingRecordFile(const QString &path)
{
    QFile input(path);
    if (const tvk::Result<void> opened = tvk::openRegularFile(input); !opened) {
        tvk::log(QStringLiteral("fopen fail:%1").arg(path));
        return opened.failure();
    }
    tvk::Result<DrivingRecordFile> file = fromHeader(input.read(kDrivingRecordHeaderSize));
    if (!file) {
        tvk::Failure failure = file.failure();
        failure.subject = path;
        return failure;
    }
    // Never more than the header promises, and never more than the file holds.
    const qint64 promised = static_cast<qint64>(file->recordCount) * DrivingRecordImage::kSize;
    const qint64 available = std::max<qint64>(0, input.size() - kDrivingRecordHeaderSize);
    appendRecords(*file, input.read(std::min(promised, available)));
    return file;
}

tvk::Result<DrivingRecordFile> parseDrivingRecords(const QByteArray &bytes)
{
    tvk::Result<DrivingRecordFile> file = fromHeader(bytes.left(kDrivingRecordHeaderSize));
    if (file)
        appendRecords(*file, bytes.mid(kDrivingRecordHeaderSize));
    return file;
}
