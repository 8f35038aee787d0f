#include "writers/democard/DemoPassCard.h"

#include "writers/cardfiles/plannedrecording.h"
#include "writers/democard/DemoRoute.h"

#include <cmath>

namespace {

const DemoRoute &loop()
{
    static const DemoRoute route;
    return route;
}

QString recordingPath(const DemoPassCard::Drive &drive, int slot, bool rear)
{
    const QDateTime at = drive.start.addSecs(qint64(slot) * DemoPassCard::kRecordingSeconds);
    return QStringLiteral("DCIM/100ALWAY/alwa_") + at.toString(QStringLiteral("yyyyMMdd_HHmmss")) +
           (rear ? QStringLiteral("_R.avi") : QStringLiteral("_F.avi"));
}

} // namespace

QList<DemoPassCard::Drive> DemoPassCard::drives()
{
    return {
        {QDateTime(QDate(2026, 10, 17), QTime(8, 30), Qt::UTC), 0, 3},
        {QDateTime(QDate(2026, 10, 18), QTime(9, 15), Qt::UTC), 170, 3},
    };
}

QStringList DemoPassCard::recordingPaths(const Drive &drive)
{
    QStringList paths;
    for (int slot = 0; slot < drive.recordings; ++slot) {
        paths.append(recordingPath(drive, slot, false));
        paths.append(recordingPath(drive, slot, true));
    }
    return paths;
}

DemoRoute::Degrees DemoPassCard::placeAt(double metres)
{
    return DemoRoute::toDegrees(loop().at(loop().loopStart() + metres).position);
}

tvk::Result<void> DemoPassCard::writeRecording(const QString &folder, const Drive &drive, int slot,
                                               bool rear)
{
    PlannedRecording plan;
    plan.path = folder + u'/' + recordingPath(drive, slot, rear);
    plan.seconds = kRecordingSeconds;
    const int first = slot * kRecordingSeconds;
    plan.utcStart = drive.start.addSecs(first - kZoneSeconds);
    plan.cameraClockMs = quint32(5000 + first * 1000);
    for (int s = 0; s < kRecordingSeconds; ++s) {
        const double metres = drive.fromMetres + (first + s) * kMetresPerSecond;
        const DemoRoute::Pose pose = loop().at(loop().loopStart() + metres);
        PlannedPosition p;
        const DemoRoute::Degrees place = DemoRoute::toDegrees(pose.position);
        p.latitude = place.latitude;
        p.longitude = place.longitude;
        p.metresPerSecond = kMetresPerSecond;
        p.course = std::fmod(pose.heading * 180 / M_PI + 360, 360);
        plan.track.append(p);
    }
    return writePlannedRecording(plan);
}

tvk::Result<void> DemoPassCard::write(const QString &folder)
{
    for (const Drive &drive : drives()) {
        for (int slot = 0; slot < drive.recordings; ++slot) {
            for (const bool rear : {false, true}) {
                if (auto written = writeRecording(folder, drive, slot, rear); !written)
                    return written;
            }
        }
    }
    return {};
}

QList<DemoPassCard::Moment> DemoPassCard::frontMomentsAt(double metres)
{
    QList<Moment> moments;
    for (const Drive &drive : drives()) {
        const double seconds = (metres - drive.fromMetres) / kMetresPerSecond;
        const int slot = int(std::floor(seconds / kRecordingSeconds));
        if (seconds < 0 || slot >= drive.recordings)
            continue;
        const double offset = seconds - slot * kRecordingSeconds;
        moments.append({recordingPath(drive, slot, false), offset,
                        drive.start.addMSecs(qint64(std::llround(seconds * 1000)))});
    }
    return moments;
}
