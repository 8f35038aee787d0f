#pragma once

#include "core/telemetry/AviGSensorData.h"
#include "core/telemetry/AviGpsData.h"
#include "core/telemetry/GSensor.h"
#include "core/telemetry/GpsData.h"

#include <QList>

#include <memory>

// The telemetry of one recording, as one extraction made it. Published whole and never
// changed afterwards: a reader keeps the pointer it was given and sees one recording only.
struct RecordedTelemetry
{
    // Every G-sensor record, in index order.
    QList<AviGSensorData> m_vGSensorData;
    // The same records scaled, one to one with m_vGSensorData.
    QList<GSensor> m_GSensors;
    // The parser's fix after every NMEA sentence of every GPS record, in order.
    QList<GpsData> m_NMEAs;
    // Entry j is the GPS record that belongs to G-sensor sample j; never longer than
    // m_vGSensorData.
    QList<AviGpsData> m_vGpsData;
    // The parser's fix at the end of the file.
    GpsData lastFix;
    // Read chunk by chunk from a recording whose index was missing or cut (cut by a crash).
    bool recovered = false;

    // Every GPS record in index order, before the alignment.
    QList<AviGpsData> m_GpsRecords;
    // For each GPS record, how many entries m_NMEAs had once its text was parsed.
    QList<qsizetype> m_GpsRecordNMEAEnds;
    // Entry j: the index in m_GpsRecords of m_vGpsData[j].
    QList<qsizetype> m_vGpsRecordIndex;

    // The fix that held after the text of GPS record `record` (a cleared fix before any).
    GpsData fixAfterGpsRecord(qsizetype record) const;

    bool isEmpty() const { return m_vGSensorData.isEmpty() && m_GpsRecords.isEmpty(); }

    friend bool operator==(const RecordedTelemetry &, const RecordedTelemetry &) = default;

    static std::shared_ptr<const RecordedTelemetry> empty();
};

using RecordedTelemetryPtr = std::shared_ptr<const RecordedTelemetry>;
