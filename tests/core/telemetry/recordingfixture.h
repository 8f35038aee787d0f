// Recordings for the telemetry tests, written by the project's own AVI writer.
#pragma once

#include "core/testsupport.h"
#include "writers/avi/AviWriter.h"
#include "writers/avi/TelemetryRecords.h"

#include <QList>
#include <QStandardPaths>

struct RecordingPlan
{
    int seconds = 3;
    bool audio = true;
    QByteArray frame = QByteArray(900, 'v'); // a placeholder unless a real JPEG is given
    int gSensorPerSecond = 10;
    double latitude = 37.525; // signed decimal degrees at the start
    double longitude = 126.9875;
};

struct WrittenRecording
{
    QList<AviGpsRecord> gps;
    QList<AviGSensorRecord> gSensor;
    int frames = 0;
    int audioBlocks = 0;
};

// A recording as the camera makes it: 30 frames, five audio blocks, one GPS record and
// `gSensorPerSecond` G-sensor samples per second.
inline WrittenRecording writeRecording(const QString &path, const RecordingPlan &plan)
{
    AviWriter::Format format;
    format.width = 160;
    format.height = 120;
    format.audio = plan.audio;
    format.sampleRate = 16000;
    AviWriter writer(format);
    WrittenRecording written;
    if (!writer.open(path))
        return written;
    const QDateTime start(QDate(2014, 5, 26), QTime(8, 14, 11), Qt::UTC);
    for (int s = 0; s < plan.seconds; ++s) {
        const auto base = static_cast<quint32>(s * 1000);
        for (int f = 0; f < 30; ++f, ++written.frames)
            writer.addVideoFrame(base + quint32(f * 1000 / 30), plan.frame);
        for (int a = 0; a < 5; ++a, ++written.audioBlocks)
            writer.addAudio(base + quint32(a * 200), QByteArray(3200 * 2, '\x11'));
        telemetry::Fix fix;
        fix.utc = start.addSecs(s);
        fix.latitude = plan.latitude + s * 0.0001 * (plan.latitude < 0 ? -1 : 1);
        fix.longitude = plan.longitude + s * 0.0002 * (plan.longitude < 0 ? -1 : 1);
        fix.knots = 30.5 + s;
        fix.course = 45;
        fix.satellites = 8;
        fix.hdop = 0.9;
        written.gps << telemetry::gpsRecord(base + 500, fix);
        writer.addGps(base + 500, written.gps.last());
        for (int g = 0; g < plan.gSensorPerSecond; ++g) {
            const auto t = base + quint32(g * 1000 / plan.gSensorPerSecond);
            written.gSensor << telemetry::gSensorRecord(t, -512 + s, 3 * g, 256);
            writer.addGSensor(t, written.gSensor.last());
        }
        if (!writer.flush(base + 1000))
            return WrittenRecording();
    }
    if (!writer.finish())
        return WrittenRecording();
    return written;
}

// A small real JPEG image, drawn by ffmpeg; empty when ffmpeg is missing.
inline QByteArray realJpeg(const QString &folder)
{
    const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
    const QString out = folder + "/frame.jpg";
    if (ffmpeg.isEmpty() ||
        runProgram(ffmpeg, {"-v", "error", "-f", "lavfi", "-i", "testsrc=size=160x120", "-frames:v",
                            "1", "-c:v", "mjpeg", "-y", out})
                .status != 0)
        return {};
    return readFile(out);
}
