#include "writers/cardfiles/plannedrecording.h"

#include "writers/avi/AviWriter.h"
#include "writers/avi/TelemetryRecords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace {

constexpr double kMetresPerDegree = 111320;

QByteArray noFixText()
{
    return telemetry::nmeaSentence("GPRMC,,V,,,,,,,,,,N") +
           telemetry::nmeaSentence("GPGGA,,,,,,0,00,99.9,,M,,M,,");
}

// A zero frame count in the main header, as a recording cut before its header was final.
bool clearFrameCount(const QString &path)
{
    QFile file(path);
    constexpr qint64 kTotalFramesAt = 48;
    const char zero[4] = {};
    return file.open(QIODevice::ReadWrite) && file.seek(kTotalFramesAt) && file.write(zero, 4) == 4;
}

} // namespace

tvk::Result<void> writePlannedRecording(const PlannedRecording &plan)
{
    if (!QDir().mkpath(QFileInfo(plan.path).absolutePath()))
        return tvk::Failure{"msg.folder_create_fail", QFileInfo(plan.path).absolutePath()};
    AviWriter::Format format;
    format.width = 64;
    format.height = 36;
    format.frameRate = 1;
    format.audio = true; // the camera's telemetry is stream 2, after video and audio
    AviWriter writer(format);
    if (auto opened = writer.open(plan.path); !opened)
        return opened;
    const double metresPerDegreeEast = kMetresPerDegree * std::cos(plan.latitude * M_PI / 180);
    for (int s = 0; s < plan.seconds; ++s) {
        const quint32 ms = quint32(s) * 1000;
        const quint32 clock = plan.cameraClockMs + ms;
        writer.addVideoFrame(ms, QByteArray(16, 'v'));
        if (!plan.telemetry)
            continue;
        telemetry::Fix fix;
        fix.latitude = plan.latitude;
        fix.longitude = plan.longitude + s * plan.metresPerSecond / metresPerDegreeEast;
        fix.knots = plan.metresPerSecond * 3.6 / 1.852;
        fix.course = 90;
        if (s < plan.track.size()) {
            const PlannedPosition &at = plan.track[s];
            fix.latitude = at.latitude;
            fix.longitude = at.longitude;
            fix.knots = at.metresPerSecond * 3.6 / 1.852;
            fix.course = at.course;
        }
        fix.satellites = 9;
        fix.hdop = 0.8;
        if (plan.utcStart.isValid() && s >= plan.fixFromSecond) {
            fix.utc = plan.utcStart.addSecs(s);
            writer.addGps(ms, telemetry::gpsRecord(clock, fix));
        } else {
            writer.addGps(ms, telemetry::gpsRecord(clock, noFixText(), 0, 0, 0));
        }
        for (int k = 0; k < 10; ++k) {
            const bool peak = plan.peakG > 0 && s == plan.seconds / 2 && k == 5;
            const auto x = qint32(std::lround(peak ? -plan.peakG * 256 : 0));
            writer.addGSensor(ms + quint32(k * 100),
                              telemetry::gSensorRecord(clock + quint32(k * 100), x, 0, 256));
        }
    }
    if (auto finished = writer.finish(); !finished)
        return finished;
    if (!plan.lengthInHeader && !clearFrameCount(plan.path))
        return tvk::Failure{"msg.write_fail", plan.path};
    return {};
}
