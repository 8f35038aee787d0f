#pragma once
// A recording laid out as the camera writes it (30 video frames, five audio blocks, one GPS
// record and ten G-sensor samples per second), and the median of timings, for the benchmarks.

#include "writers/avi/AviWriter.h"
#include "writers/avi/TelemetryRecords.h"

#include <QDateTime>

#include <algorithm>
#include <vector>

inline bool writeCameraRecording(const QString &path, int seconds, int frameBytes)
{
    AviWriter writer;
    if (!writer.open(path))
        return false;
    QByteArray frame(frameBytes, 'v');
    const QByteArray audio(6400, '\0'); // 200 ms of 16 kHz mono
    const QDateTime start(QDate(2024, 1, 31), QTime(12, 0), Qt::UTC);
    for (int s = 0; s < seconds; ++s) {
        const auto base = quint32(s * 1000);
        for (int f = 0; f < 30; ++f) {
            frame[0] = char(f); // frames differ a little in size, as JPEG frames do
            frame.resize(frameBytes - 512 + (f * 37) % 1024);
            writer.addVideoFrame(base + quint32(f * 1000 / 30), frame);
        }
        for (int a = 0; a < 5; ++a)
            writer.addAudio(base + quint32(a * 200), audio);
        telemetry::Fix fix;
        fix.utc = start.addSecs(s);
        fix.latitude = 37.5 + s * 1e-4;
        fix.longitude = 127.0 + s * 1e-4;
        fix.knots = 30;
        fix.satellites = 9;
        fix.hdop = 0.8;
        writer.addGps(base + 500, telemetry::gpsRecord(base + 500, fix));
        for (int g = 0; g < 10; ++g)
            writer.addGSensor(base + quint32(g * 100),
                              telemetry::gSensorRecord(base + quint32(g * 100), g, -g, 256));
        if (!writer.flush(base + 1000))
            return false;
    }
    return bool(writer.finish());
}

inline double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
