#pragma once

#include "core/telemetry/NmeaSentenceParser.h"
#include "core/telemetry/RecordedTelemetry.h"

// Fills the arrays of one recording privately, record by record, in index order; finish()
// aligns the GPS records to the G-sensor samples and hands the result over.
class TelemetryBuilder
{
public:
    TelemetryBuilder() = default;
    // Continues from published telemetry (its parser state included).
    explicit TelemetryBuilder(const RecordedTelemetry &from);

    // Parses the record's text (never beyond RawData) and keeps the record, its line ends
    // now NUL.
    void addGpsRecord(AviGpsRecord record);
    void addGSensorRecord(const AviGSensorRecord &record);

    // Feeds exactly `bufferSize` bytes of NMEA text to the parser line by line and stores
    // the fix after every "$G" sentence. Line ends (CR, LF, NUL) are overwritten with NUL.
    // False only for no buffer or no bytes.
    bool ParseNMEA(char *buffer, qsizetype bufferSize);
    // Appends the scaled sample. Always true.
    bool ParseGSensor(const AviGSensorRecord &record);

    // Aligns and returns the telemetry; the builder is empty afterwards.
    RecordedTelemetryPtr finish();
    // The same without aligning again: for additions made after an extraction.
    RecordedTelemetryPtr snapshot() const;

    const NmeaSentenceParser &parser() const { return m_NMEAParser; }
    // The sentences parsed so far (entries of m_NMEAs).
    qsizetype sentenceCount() const { return m_telemetry.m_NMEAs.size(); }
    // Marks the telemetry as read from a recording whose index was missing or cut.
    void setRecovered() { m_telemetry.recovered = true; }

private:
    NmeaSentenceParser m_NMEAParser;
    RecordedTelemetry m_telemetry;
};

// For every G-sensor time stamp, the GPS record that covers it (an index into gpsTimes),
// comparing tenths of a second: each record covers the samples after the previous record's
// last one up to and including the first that is not earlier than itself. Samples left
// when the records are used up get no entry.
QList<qsizetype> alignGpsToGSensor(const QList<quint32> &gpsTimes,
                                   const QList<quint32> &gSensorTimes);
