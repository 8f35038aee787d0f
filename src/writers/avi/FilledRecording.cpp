#include "writers/avi/FilledRecording.h"

#include "core/telemetry/AviLayout.h"
#include "writers/avi/AviWriter.h"
#include "writers/avi/TelemetryRecords.h"

#include <QDateTime>

namespace {

QByteArray satelliteSentences()
{
    QByteArray text =
        telemetry::nmeaSentence("GPGSA,A,3,04,05,09,12,17,20,24,25,29,31,,,1.2,0.8,0.9");
    for (int part = 1; part <= 3; ++part)
        text += telemetry::nmeaSentence(QByteArray("GPGSV,3,") + QByteArray::number(part) +
                                        ",12,04,40,083,46,05,30,230,44,09,61,167,47,12,09,315,38");
    return text;
}

} // namespace

tvk::Result<qint64> writeFilledRecording(const QString &path, qint64 bytes)
{
    // One tiny frame a second, so that the headers give the recording its length.
    AviWriter::Format format;
    format.frameRate = 1;
    AviWriter writer(format);
    if (auto opened = writer.open(path); !opened)
        return opened.failure();
    const QByteArray satellites = satelliteSentences();
    const QDateTime start(QDate(2024, 1, 31), QTime(12, 0), Qt::UTC);
    // A frame, a GPS chunk and ten G-sensor chunks, each with its index entry.
    constexpr qint64 kSecondBytes = (8 + 2 + avi::kIndexEntrySize) +
                                    (8 + AviGpsRecord::kSize + avi::kIndexEntrySize) +
                                    10 * (8 + AviGSensorRecord::kSize + avi::kIndexEntrySize);
    const qint64 seconds = (bytes - avi::kMoviTypeAt) / kSecondBytes;
    for (qint64 s = 0; s < seconds; ++s) {
        const auto base = quint32(s * 1000);
        writer.addVideoFrame(base, QByteArray(2, 'v'));
        telemetry::Fix fix;
        fix.utc = start.addSecs(s);
        fix.latitude = 37.5 + double(s) * 0.000125; // about 14 m a second northwards
        fix.longitude = 127.0;
        fix.knots = 27;
        fix.satellites = 10;
        fix.hdop = 0.8;
        const QByteArray text =
            telemetry::rmcSentence(fix) + telemetry::ggaSentence(fix) + satellites;
        writer.addGps(base + 500, telemetry::gpsRecord(
                                      base + 500, text, telemetry::nmeaCoordinate(fix.latitude),
                                      telemetry::nmeaCoordinate(fix.longitude), 50, '9'));
        for (int g = 0; g < 10; ++g) {
            const qint32 shake = (g % 2 ? 1 : -1) * (64 + int(s % 7) * 16);
            writer.addGSensor(
                base + quint32(g * 100),
                telemetry::gSensorRecord(base + quint32(g * 100), shake, -shake, 256 + shake));
        }
        if (auto written = writer.flush(base + 1000); !written)
            return written.failure();
    }
    if (auto finished = writer.finish(); !finished)
        return finished.failure();
    return seconds;
}
