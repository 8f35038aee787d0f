// Writing the sample card: the card files, the recordings (in parallel) and the rest.
#include "core/card/TimeSetFile.h"
#include "core/common/replacefile.h"
#include "core/records/drivingrecordfile.h"
#include "core/settings/SettingsRecord.h"
#include "writers/cardfiles/drivingrecordwriter.h"
#include "writers/democard/DemoCard.h"
#include "writers/democard/DemoFrameRenderer.h"
#include "writers/democard/DemoNoise.h"
#include "writers/democard/DemoOsd.h"
#include "writers/democard/DemoRecordingWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QFuture>
#include <QtConcurrent>

#include <cmath>
#include <optional>

tvk::Result<void> DemoCard::write(const QString &folder,
                                  const std::function<void(const QString &)> &progress) const
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return tvk::Failure{"tool.not_a_folder", folder};
    if (info.exists() && !QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot |
                                               QDir::Hidden | QDir::System))
        return tvk::Failure{"writers.card_folder_not_empty", folder};
    const QDir root(folder);
    for (const QString &sub : {QStringLiteral("DCIM/100ALWAY"), QStringLiteral("DCIM/200EVENT"),
                               QStringLiteral("DCIM/300MOTIO"), QStringLiteral("DrvInfo")}) {
        if (!root.mkpath(sub))
            return tvk::Failure{"msg.folder_create_fail", root.filePath(sub)};
    }
    if (auto written = writeCardFiles(folder); !written)
        return written;
    if (auto written = writeDrivingRecords(root.filePath(QLatin1String(kDrivingRecordFilePath)));
        !written)
        return written;
    progress(
        QStringLiteral("config.bin, timeset.cfg, %1").arg(QLatin1String(kDrivingRecordFilePath)));

    // Fonts belong to this thread: the burnt-in text's glyphs are drawn here, once.
    const DemoOsd frontOsd(kFrontSize.height() / 24, false);
    const DemoOsd rearOsd(kRearSize.height() / 22, true);
    const DemoRecordingWriter writer(*this, frontOsd, rearOsd);
    QList<QFuture<tvk::Result<void>>> jobs;
    for (const Recording &recording : m_recordings) {
        const QString path = root.filePath(recording.path);
        jobs.append(QtConcurrent::run(
            [&writer, recording, path] { return writer.write(recording, path); }));
    }
    std::optional<tvk::Failure> failed;
    for (qsizetype i = 0; i < jobs.size(); ++i) {
        const tvk::Result<void> written = jobs[i].result();
        if (written)
            progress(m_recordings[i].path);
        else if (!failed)
            failed = written.failure();
    }
    if (failed)
        return *failed;
    auto written = writeDecoys(folder);
    if (written)
        progress(decoys().join(QStringLiteral(", ")));
    return written;
}

tvk::Result<void> DemoCard::writeCardFiles(const QString &folder) const
{
    const QDir root(folder);
    if (auto written = writeRecord(settings(), root.filePath(QStringLiteral("config.bin")));
        !written)
        return written;
    // The clock file the camera read when it was switched on, just before the drive.
    const QDateTime on = start().addMSecs(-qint64(DemoTelemetry::cameraClock(0)));
    return writeTimesetFile(root.filePath(QLatin1String(kTimesetFileName)), on.date(), on.time());
}

tvk::Result<void> DemoCard::writeDrivingRecords(const QString &path) const
{
    QList<DrivingRecordImage> records;
    const int interval = drivingRecordInterval();
    quint16 top = 0;
    for (int second = 0; interval > 0 && second <= m_drive->parkedTime(); second += interval) {
        const DemoTelemetry::Fix fix = m_telemetry->fix(second);
        const DemoDrive::State state = m_drive->at(second);
        const DemoTelemetry::Sample g = m_telemetry->sample(second * kGSensorRate);
        const QDateTime local = start().addSecs(second);
        DrivingRecordImage r{};
        r.seq = static_cast<quint16>(records.size() + 1);
        r.weekDay = static_cast<quint8>(local.date().dayOfWeek() % 7);
        r.gpsValid = 1;
        r.yearSince1900 = static_cast<quint8>(local.date().year() - 1900);
        r.month = static_cast<quint8>(local.date().month());
        r.day = static_cast<quint8>(local.date().day());
        r.hour = static_cast<quint8>(local.time().hour());
        r.minute = static_cast<quint8>(local.time().minute());
        r.second = static_cast<quint8>(local.time().second());
        // ddmm.mmmm split at the point, as the fix prints it.
        const auto tenThousandths = [](double coordinate) {
            return std::llround(coordinate * 10000);
        };
        const qint64 lat = tenThousandths(DemoTelemetry::printedCoordinate(fix.latitude, false));
        const qint64 lon = tenThousandths(DemoTelemetry::printedCoordinate(fix.longitude, true));
        r.latitudeInt = static_cast<quint16>(lat / 10000);
        r.latitudeFrac = static_cast<quint16>(lat % 10000);
        r.longitudeInt = static_cast<quint16>(lon / 10000);
        r.longitudeFrac = static_cast<quint16>(lon % 10000);
        r.curSpeed = static_cast<quint16>(std::lround(fix.knots * 1.852));
        top = std::max(top, r.curSpeed);
        r.maxSpeed = top;
        r.drivingDistance = static_cast<quint32>(std::lround(state.distance / 100));
        r.gsensorX = static_cast<qint16>(g.x);
        r.gsensorY = static_cast<qint16>(g.y);
        r.gsensorZ = static_cast<qint16>(g.z);
        r.battery = static_cast<qint16>(
            124 + std::lround(demo::smooth(m_options.seed, demo::BatteryStream, second / 30.0)));
        records.append(r);
    }
    return writeDrivingRecordFile(path, records);
}

tvk::Result<void> DemoCard::writeDecoys(const QString &folder) const
{
    const QDir root(folder);
    const QStringList names = decoys();
    // The still the camera keeps of the event: the moment the car ahead lit its brake lights.
    const Recording *event = nullptr;
    for (const Recording &r : m_recordings) {
        if (r.division == 2 && !r.rear)
            event = &r;
    }
    if (event) {
        const DemoOsd osd(kFrontSize.height() / 24, false);
        DemoFrameRenderer renderer(DemoFrameRenderer::Front, kFrontSize, *m_street, *m_traffic, osd,
                                   start(), m_options.seed);
        const QImage still = renderer.render(m_drive->brakeTime())
                                 .scaled(320, 180, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (auto written =
                replaceFileContents(root.filePath(names[0]), DemoFrameRenderer::jpeg(still, 80));
            !written)
            return written;
    }
    // The camera's own log of the morning, in its local time.
    auto stamp = [this](double t) {
        return start()
            .addMSecs(std::llround(t * 1000))
            .toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    };
    double peak = 0;
    const int first = int(std::floor(m_drive->brakeTime())) * kGSensorRate;
    for (int tenth = first; tenth < first + 3 * kGSensorRate; ++tenth)
        peak = std::min(peak, m_telemetry->sample(tenth).x / 256.0);
    const QDateTime on = start().addMSecs(-qint64(DemoTelemetry::cameraClock(0)));
    QByteArray log;
    log += on.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")).toLatin1() + " POWER ON\r\n";
    log += on.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")).toLatin1() +
           " CLOCK SET FROM timeset.cfg\r\n";
    log += stamp(0).toLatin1() + " GPS FIX\r\n";
    log += stamp(m_drive->brakeTime()).toLatin1() + QByteArray(" EVENT G-SENSOR X=") +
           QByteArray::number(peak, 'f', 2) + "\r\n";
    // Parking mode starts after the camera's waiting time, at the latest when it records motion.
    const double motion = DemoDrive::kParkedSlot * double(m_options.slotSeconds);
    const double parking = std::min(m_drive->parkedTime() + settings().always_mode_timeout, motion);
    log += stamp(parking).toLatin1() + " PARKING MODE\r\n";
    log += stamp(motion).toLatin1() + " MOTION\r\n";
    if (auto written = replaceFileContents(root.filePath(names[1]), log); !written)
        return written;
    // Names the catalogue must pass over, left empty as an interrupted write leaves them.
    for (qsizetype i = 2; i < names.size(); ++i) {
        if (auto written = replaceFileContents(root.filePath(names[i]), QByteArray()); !written)
            return written;
    }
    return {};
}
