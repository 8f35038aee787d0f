#pragma once

#include "core/common/result.h"
#include "core/telemetry/NmeaSentenceParser.h"
#include "core/telemetry/RecordedTelemetry.h"

#include <QMutex>

#include <optional>

class QIODevice;

// The telemetry of the recording being played. An extraction builds the arrays of a file
// privately, on any thread, and publishes them in one step as its last act; readers take
// the published telemetry with snapshot() and keep it as long as they like, so they see the
// previous recording or the new one, never a mix or a half-filled array.
class BlackBoxData
{
public:
    // Where the movi list's size said the index starts, for the diagnostic line.
    struct IndexPlace
    {
        quint32 moviSize = 0;     // S, the size of the movi list
        quint64 indexAddress = 0; // 14148 + S
    };
    struct Extraction
    {
        RecordedTelemetryPtr telemetry;
        std::optional<IndexPlace> indexPlace; // none when the file is too short to hold it
    };

    BlackBoxData();
    BlackBoxData(const BlackBoxData &) = delete;
    BlackBoxData &operator=(const BlackBoxData &) = delete;

    // Extracts the telemetry of the recording at `path` (a file-system path) and publishes
    // it. Succeeds when the file opened and began with the RIFF header ("RIFF", size, "AVI "),
    // even when it holds no telemetry; fails otherwise, with empty telemetry published.
    tvk::Result<void> ExtractStreamInformation(const char *path);

    // The extraction itself, without publishing: reads an open, seekable device, and fails as
    // ExtractStreamInformation does. Reads only the index and the telemetry chunks, through
    // bounded buffers.
    static tvk::Result<RecordedTelemetryPtr> extract(QIODevice &file);
    // The same with where the index was looked for.
    static tvk::Result<Extraction> extractWithIndexPlace(QIODevice &file);
    // What a route and its clock need, several times faster on a card: the GPS records and
    // fixes as extract() gives them, and of the G-sensor only the first sample (the recording's
    // first moment).
    static tvk::Result<RecordedTelemetryPtr> extractRoute(QIODevice &file);

    // The published telemetry. Safe from any thread.
    RecordedTelemetryPtr snapshot() const;
    // Replaces the published telemetry, e.g. with the result of extract() on the interface
    // thread. A null pointer publishes empty telemetry.
    void publish(RecordedTelemetryPtr telemetry);
    // Publishes empty telemetry.
    void clear() { publish(nullptr); }

    // Feed the published telemetry: NMEA text as the extraction feeds each GPS record
    // (the buffer's line ends become NUL), or one G-sensor record to m_GSensors. Each call
    // publishes the extended telemetry.
    bool ParseNMEA(char *buffer, qsizetype bufferSize);
    bool ParseGSensor(const AviGSensorRecord &record);

    // The arrays of the published telemetry (implicitly shared copies).
    QList<AviGSensorData> gSensorRecords() const { return snapshot()->m_vGSensorData; }
    QList<GSensor> gSensorSamples() const { return snapshot()->m_GSensors; }
    QList<GpsData> fixes() const { return snapshot()->m_NMEAs; }
    QList<AviGpsData> gpsRecordsPerSample() const { return snapshot()->m_vGpsData; }
    // A parser holding the last fix of the published recording.
    NmeaSentenceParser parserAtLastFix() const;

private:
    mutable QMutex m_mutex;
    RecordedTelemetryPtr m_telemetry;
};
