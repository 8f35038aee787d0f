#include "core/clock/clockcheck.h"

#include "core/route/routepoints.h"
#include "core/trips/trips.h"

#include <QByteArrayView>

#include <algorithm>
#include <cmath>

namespace {

// Digits only, as the receiver prints them: "083000.000" or "083000".
std::optional<int> digitsAt(QByteArrayView text, qsizetype at, qsizetype count)
{
    if (at + count > text.size())
        return std::nullopt;
    int value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// The UTC time of an RMC sentence with status A; invalid for anything else.
QDateTime validRmcTime(QByteArrayView sentence)
{
    if (!sentence.startsWith("$GPRMC,") && !sentence.startsWith("$GNRMC,"))
        return {};
    const qsizetype star = sentence.indexOf('*');
    const QList<QByteArrayView> fields = [&] {
        QList<QByteArrayView> out;
        const QByteArrayView body = star < 0 ? sentence : sentence.first(star);
        qsizetype start = 0;
        for (qsizetype i = 0; i <= body.size(); ++i) {
            if (i == body.size() || body[i] == ',') {
                out.append(body.sliced(start, i - start));
                start = i + 1;
            }
        }
        return out;
    }();
    if (fields.size() < 10 || fields[2] != "A" || fields[9].size() != 6)
        return {};
    const QByteArrayView time = fields[1], date = fields[9];
    const auto h = digitsAt(time, 0, 2), m = digitsAt(time, 2, 2), s = digitsAt(time, 4, 2);
    const auto day = digitsAt(date, 0, 2), month = digitsAt(date, 2, 2), yy = digitsAt(date, 4, 2);
    if (!h || !m || !s || !day || !month || !yy)
        return {};
    int ms = 0;
    if (time.size() > 7 && time[6] == '.') {
        const QByteArrayView fraction = time.sliced(7, std::min<qsizetype>(3, time.size() - 7));
        const auto value = digitsAt(fraction, 0, fraction.size());
        if (!value)
            return {};
        ms = *value * (fraction.size() == 1 ? 100 : fraction.size() == 2 ? 10 : 1);
    }
    const QDateTime utc(QDate(2000 + *yy, *month, *day), QTime(*h, *m, *s, ms), Qt::UTC);
    return utc.isValid() ? utc : QDateTime();
}

} // namespace

std::optional<FirstValidFix> firstValidFix(const RecordedTelemetry &telemetry)
{
    const std::optional<quint32> base = firstRecordTime(telemetry);
    for (const AviGpsData &record : telemetry.m_GpsRecords) {
        const AviGpsRecord &r = record.data();
        // The extraction left the text's line ends as NUL.
        const QByteArrayView text(r.RawData, r.textLength());
        qsizetype start = 0;
        for (qsizetype i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text[i] != '\0' && text[i] != '\r' && text[i] != '\n')
                continue;
            const QByteArrayView line = text.sliced(start, i - start);
            const qsizetype dollar = line.lastIndexOf('$');
            const QDateTime utc = dollar < 0 ? QDateTime() : validRmcTime(line.sliced(dollar));
            if (utc.isValid())
                return FirstValidFix{qint64(r.nTimestamp) - qint64(base.value_or(r.nTimestamp)),
                                     utc};
            start = i + 1;
        }
    }
    return std::nullopt;
}

std::optional<double> rawClockOffset(const MediaFile &media, const RecordedTelemetry &telemetry)
{
    const QDateTime named = nameTime(media);
    const std::optional<FirstValidFix> fix = firstValidFix(telemetry);
    if (!named.isValid() || !fix)
        return std::nullopt;
    return double(fix->utc.msecsTo(named.addMSecs(fix->recordMs))) / 1000;
}

namespace {

std::optional<double> median(QList<double> values)
{
    if (values.isEmpty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int nearestZoneSeconds(double offsetSeconds)
{
    // Clamped while still a double: a century's offset in steps overflows no int.
    const double steps = std::clamp(std::round(offsetSeconds / kZoneStepSeconds),
                                    double(kWestmostZoneSeconds / kZoneStepSeconds),
                                    double(kEastmostZoneSeconds / kZoneStepSeconds));
    return std::isfinite(steps) ? int(steps) * kZoneStepSeconds : 0;
}

ClockReport clockReport(const QList<ClockReading> &rawOffsets, std::optional<int> zoneSeconds)
{
    QList<double> raw;
    for (const ClockReading &reading : rawOffsets) {
        if (reading.offsetSeconds)
            raw.append(*reading.offsetSeconds);
    }
    ClockReport report;
    if (zoneSeconds) {
        report.zoneSeconds = *zoneSeconds;
        report.zoneSource = ClockZoneSource::Settings;
    } else if (const std::optional<double> m = median(raw)) {
        report.zoneSeconds = nearestZoneSeconds(*m);
        report.zoneSource = ClockZoneSource::Guessed;
    }
    QList<double> offsets;
    for (const ClockReading &reading : rawOffsets) {
        ClockReading r{reading.path, std::nullopt};
        if (reading.offsetSeconds) {
            r.offsetSeconds = *reading.offsetSeconds - report.zoneSeconds;
            offsets.append(*r.offsetSeconds);
        }
        report.recordings.append(r);
    }
    report.medianOffsetSeconds = median(offsets);
    return report;
}
