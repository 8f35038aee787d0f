// Recordings assembled byte by byte, for the damaged and unusual files the writer never makes.
#pragma once

#include "core/telemetry/AviLayout.h"
#include "core/telemetry/BlackBoxData.h"
#include "core/testsupport.h"
#include "writers/avi/AviWriter.h"
#include "writers/avi/TelemetryRecords.h"

#include <QBuffer>
#include <QtEndian>

#include <optional>

inline QByteArray le32(quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

struct RawRecording
{
    QByteArray movi;  // after the movi type code
    QByteArray index; // the idx1 entries
    QByteArray trailer;
    std::optional<quint32> riffSize;
    std::optional<quint32> moviSize;

    // Appends a chunk to the movi list; returns its offset as the index counts it.
    quint32 chunk(const char *code, const QByteArray &payload)
    {
        const auto offset = static_cast<quint32>(4 + movi.size());
        movi += QByteArray(code, 4) + le32(quint32(payload.size())) + payload;
        if (payload.size() % 2)
            movi += '\0';
        return offset;
    }
    void entry(const char *code, quint32 offset, quint32 size)
    {
        index += QByteArray(code, 4) + le32(0x10) + le32(offset) + le32(size);
    }
    // A chunk with its index entry.
    quint32 add(const char *code, const QByteArray &payload)
    {
        const quint32 offset = chunk(code, payload);
        entry(code, offset, quint32(payload.size()));
        return offset;
    }

    // Where the first index entry lies.
    qsizetype indexStart() const { return avi::kIndexBase + 4 + movi.size(); }

    QByteArray bytes() const
    {
        // The writer's headers of an empty recording: hdrl, JUNK, the head of the movi list.
        QBuffer empty;
        empty.open(QIODevice::ReadWrite);
        AviWriter writer;
        if (!writer.open(&empty) || !writer.finish())
            return {};
        QByteArray file = empty.data().first(avi::kMoviTypeAt + 4);
        file += movi + QByteArray("idx1") + le32(quint32(index.size())) + index + trailer;
        file.replace(4, 4, le32(riffSize.value_or(quint32(file.size() - 8))));
        file.replace(avi::kMoviSizeAt, 4, le32(moviSize.value_or(quint32(4 + movi.size()))));
        return file;
    }
};

inline QByteArray gpsPayload(const AviGpsRecord &record)
{
    QByteArray bytes(AviGpsRecord::kSize, '\0');
    record.toBytes(bytes.data());
    return bytes;
}

inline QByteArray gpsPayload(quint32 ms, const QByteArray &text)
{
    return gpsPayload(telemetry::gpsRecord(ms, text, 3731.5, 12659.25, 57));
}

inline QByteArray gSensorPayload(quint32 ms, qint32 x)
{
    QByteArray bytes(AviGSensorRecord::kSize, '\0');
    telemetry::gSensorRecord(ms, x, 0, 256).toBytes(bytes.data());
    return bytes;
}

inline const QByteArray kRmc =
    "$GPRMC,081411.000,A,3731.5000,N,12659.2500,E,0.60,301.29,260514,,,A*6C\r\n";
inline const QByteArray kGga =
    "$GPGGA,081411.000,3731.5000,N,12659.2500,E,1,08,0.9,50.0,M,0.0,M,,*6B\r\n";

inline tvk::Result<RecordedTelemetryPtr> extractBytes(const QByteArray &file)
{
    QByteArray copy = file;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return BlackBoxData::extract(buffer);
}

// A recording with some video and audio around its telemetry.
inline RawRecording recordingWith(int gSensors, int gpsRecords)
{
    RawRecording r;
    for (int i = 0; i < std::max(gSensors, gpsRecords); ++i) {
        r.add("00dc", QByteArray(333, 'v'));
        if (i < gSensors)
            r.add("02sb", gSensorPayload(quint32(i * 100), i));
        r.add("01wb", QByteArray(64, 'a'));
        if (i < gpsRecords)
            r.add("02sb", gpsPayload(quint32(i * 1000), kRmc + kGga));
    }
    return r;
}
