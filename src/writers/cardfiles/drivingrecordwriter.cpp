#include "writers/cardfiles/drivingrecordwriter.h"

#include "core/common/replacefile.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QtEndian>

#include <algorithm>

QByteArray drivingRecordFileBytes(const QList<DrivingRecordImage> &records,
                                  std::optional<quint32> headerCount)
{
    QByteArray bytes(12, '\0');
    qToLittleEndian<quint32>(headerCount.value_or(static_cast<quint32>(records.size())),
                             bytes.data());
    for (const DrivingRecordImage &record : records)
        bytes += record.encode();
    return bytes;
}

tvk::Result<void> writeDrivingRecordFile(const QString &path,
                                         const QList<DrivingRecordImage> &records)
{
    return replaceFileContents(path, drivingRecordFileBytes(records));
}

QList<DrivingRecordImage> sampleDrivingRecords(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    QList<DrivingRecordImage> records;
    QDateTime time(QDate(2024, 3, 5), QTime(8, 30, 0), Qt::UTC);
    // Minutes of arc times 10000, from 37 degrees 23.0045 N, 127 degrees 1.5000 E.
    qint64 latitude = (37 * 60 + 23) * 10000LL + 45;
    qint64 longitude = (127 * 60 + 1) * 10000LL + 5000;
    quint32 distance = 0;
    quint16 maxSpeed = 0;
    for (int i = 0; i < count; ++i) {
        const auto speed = static_cast<quint16>(30 + random.bounded(70));
        maxSpeed = std::max(maxSpeed, speed);
        distance += speed * 10 / 360; // tenths of a km in ten seconds
        latitude += speed / 2;
        longitude += speed / 3;
        DrivingRecordImage r{};
        r.seq = static_cast<quint16>(i + 1);
        r.weekDay = static_cast<quint8>(time.date().dayOfWeek() % 7);
        r.gpsValid = i % 17 == 5 ? 0 : 1;
        r.yearSince1900 = static_cast<quint8>(time.date().year() - 1900);
        r.month = static_cast<quint8>(time.date().month());
        r.day = static_cast<quint8>(time.date().day());
        r.hour = static_cast<quint8>(time.time().hour());
        r.minute = static_cast<quint8>(time.time().minute());
        r.second = static_cast<quint8>(time.time().second());
        r.latitudeInt = static_cast<quint16>((latitude / 10000 / 60) * 100 + latitude / 10000 % 60);
        r.latitudeFrac = static_cast<quint16>(latitude % 10000);
        r.longitudeInt =
            static_cast<quint16>((longitude / 10000 / 60) * 100 + longitude / 10000 % 60);
        r.longitudeFrac = static_cast<quint16>(longitude % 10000);
        r.curSpeed = speed;
        r.drivingDistance = distance;
        r.maxSpeed = maxSpeed;
        r.gsensorX = static_cast<qint16>(random.bounded(-64, 64));
        r.gsensorY = static_cast<qint16>(random.bounded(-64, 64));
        r.gsensorZ = static_cast<qint16>(256 + random.bounded(-16, 16));
        r.battery = static_cast<qint16>(118 + random.bounded(10));
        records.append(r);
        time = time.addSecs(10);
    }
    return records;
}
