#include "drivingrecordfile.h"

#include "common/log.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace {

DrivingRecordFile fromHeader(const QByteArray &header)
{
    DrivingRecordFile file;
    if (header.size() < kDrivingRecordHeaderSize) {
        file.status = DrivingRecordFile::Status::Refused;
        return file;
    }
    file.recordCount = qFromLittleEndian<quint32>(header.constData());
    if (file.recordCount > kMaxDrivingRecords)
        file.status = DrivingRecordFile::Status::Refused;
    return file;
}

void appendRecords(DrivingRecordFile &file, const QByteArray &body)
{
    const qsizetype complete = body.size() / _FLASH_SAVE_VALUE_STRUCT::kSize;
    const qsizetype count = std::min<qsizetype>(complete, file.recordCount);
    const auto *bytes = reinterpret_cast<const uchar *>(body.constData());
    file.records.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        file.records.append(
            _FLASH_SAVE_VALUE_STRUCT::decode(bytes + i * _FLASH_SAVE_VALUE_STRUCT::kSize));
    if (count < file.recordCount)
        file.status = DrivingRecordFile::Status::Truncated;
}

} // namespace

DrivingRecordFile readDrivingRecordFile(const QString &path)
{
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        tvk::log(QStringLiteral("fopen fail:%1").arg(path));
        DrivingRecordFile file;
        file.status = DrivingRecordFile::Status::Unopenable;
        return file;
    }
    DrivingRecordFile file = fromHeader(input.read(kDrivingRecordHeaderSize));
    if (file.status != DrivingRecordFile::Status::Ok)
        return file;
    // Never more than the header promises, and never more than the file holds.
    const qint64 promised = static_cast<qint64>(file.recordCount) * _FLASH_SAVE_VALUE_STRUCT::kSize;
    const qint64 available = std::max<qint64>(0, input.size() - kDrivingRecordHeaderSize);
    appendRecords(file, input.read(std::min(promised, available)));
    return file;
}

DrivingRecordFile parseDrivingRecords(const QByteArray &bytes)
{
    DrivingRecordFile file = fromHeader(bytes.left(kDrivingRecordHeaderSize));
    if (file.status != DrivingRecordFile::Status::Ok)
        return file;
    appendRecords(file, bytes.mid(kDrivingRecordHeaderSize));
    return file;
}
