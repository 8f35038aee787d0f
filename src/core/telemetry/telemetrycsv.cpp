#include "core/telemetry/telemetrycsv.h"

#include "core/common/devicefailure.h"
#include "core/telemetry/NmeaCoordinate.h"

#include <QIODevice>

#include <cstdio>
#include <functional>

namespace {

void appendGpsColumns(QByteArray &rows, const RecordedTelemetry &t, qsizetype record)
{
    const AviGpsRecord &r = t.m_GpsRecords[record].data();
    const GpsData fix = t.fixAfterGpsRecord(record);
    const double latitude = degreesFromNmeaValue(r.fLatitude);
    const double longitude = degreesFromNmeaValue(r.fLongitude);
    char text[128];
    if (isPossiblePosition(latitude, longitude))
        std::snprintf(text, sizeof text, ",%u,%.7f,%.7f,%u,%s\n", r.nTimestamp,
                      fix.NS == 'S' ? -latitude : latitude, fix.EW == 'W' ? -longitude : longitude,
                      r.fSpeed, r.KM == '9' ? "km/h" : "mph");
    else
        std::snprintf(text, sizeof text, ",%u,,,%u,%s\n", r.nTimestamp, r.fSpeed,
                      r.KM == '9' ? "km/h" : "mph");
    rows += text;
}

} // namespace

namespace {

constexpr qsizetype kPiece = 1 << 16;

// Makes the rows, handing each full piece to `write`; false as soon as a write fails.
bool produceRows(const RecordedTelemetry &t, const QByteArray &prefix,
                 const std::function<bool(const QByteArray &)> &write)
{
    QByteArray rows;
    rows.reserve(kPiece + 512);
    const auto flushed = [&](bool last) {
        if (rows.size() < kPiece && !last)
            return true;
        const bool ok = rows.isEmpty() || write(rows);
        rows.resize(0); // keeps the piece's room
        return ok;
    };
    char text[128];
    if (t.m_vGSensorData.isEmpty()) {
        for (qsizetype i = 0; i < t.m_GpsRecords.size(); ++i) {
            rows += prefix;
            std::snprintf(text, sizeof text, "%u,,,", t.m_GpsRecords[i].data().nTimestamp);
            rows += text;
            appendGpsColumns(rows, t, i);
            if (!flushed(false))
                return false;
        }
        return flushed(true);
    }
    for (qsizetype j = 0; j < t.m_vGSensorData.size(); ++j) {
        const GSensor &g = t.m_GSensors[j];
        rows += prefix;
        std::snprintf(text, sizeof text, "%u,%.8g,%.8g,%.8g", t.m_vGSensorData[j].data().timestamp,
                      double(g.x), double(g.y), double(g.z));
        rows += text;
        if (j < t.m_vGpsRecordIndex.size())
            appendGpsColumns(rows, t, t.m_vGpsRecordIndex[j]);
        else
            rows += ",,,,,\n";
        if (!flushed(false))
            return false;
    }
    return flushed(true);
}

} // namespace

QByteArray telemetryCsvRows(const RecordedTelemetry &t, const QByteArray &prefix)
{
    QByteArray rows;
    produceRows(t, prefix, [&rows](const QByteArray &piece) {
        rows += piece;
        return true;
    });
    return rows;
}

tvk::Result<void> writeTelemetryCsvRows(QIODevice &out, const RecordedTelemetry &t,
                                        const QByteArray &prefix)
{
    if (!produceRows(t, prefix,
                     [&out](const QByteArray &piece) { return out.write(piece) == piece.size(); }))
        return deviceFailure(out);
    return {};
}

tvk::Result<void> writeTelemetryCsv(QIODevice &out, const RecordedTelemetry &t)
{
    const QByteArray title = QByteArray(kTelemetryCsvTitle) + '\n';
    if (out.write(title) != title.size())
        return deviceFailure(out);
    return writeTelemetryCsvRows(out, t);
}
