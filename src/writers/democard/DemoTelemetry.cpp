#include "writers/democard/DemoTelemetry.h"

#include "writers/avi/TelemetryRecords.h"
#include "writers/democard/DemoNoise.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

namespace {

constexpr double kGravity = 9.80665;
constexpr double kBootLead = 12.0; // the camera was switched on this long before the drive

template <typename... Args> QByteArray format(const char *pattern, Args... values)
{
    char text[128];
    const int n = std::snprintf(text, sizeof text, pattern, values...);
    return QByteArray(text, std::clamp(n, 0, int(sizeof text) - 1));
}

double tenths(double value)
{
    return std::round(value * 10) / 10;
}

// The receiver's pick of satellites: a fixed, seeded order, of which the first few are used.
QList<int> pool(quint64 seed, quint64 salt, int first, int last, int size)
{
    QList<int> prns;
    for (int p = first; p <= last; ++p)
        prns.append(p);
    for (qsizetype i = prns.size() - 1; i > 0; --i) {
        const auto j = static_cast<qsizetype>(
            demo::uniform(seed, demo::SatelliteStream, salt + quint64(i)) * double(i + 1));
        std::swap(prns[i], prns[j]);
    }
    return prns.mid(0, size);
}

QByteArray prnFields(QList<int> used)
{
    std::sort(used.begin(), used.end());
    QByteArray fields;
    for (int c = 0; c < 12; ++c)
        fields += c < used.size() ? format("%02d,", used[c]) : QByteArray(",");
    return fields;
}

} // namespace

DemoTelemetry::DemoTelemetry(const DemoDrive &drive, const QDateTime &start, quint64 seed)
    : m_drive(drive), m_start(start), m_seed(seed), m_gpsPool(pool(seed, 0, 1, 32, 12)),
      m_glonassPool(pool(seed, 1000, 65, 88, 10))
{}

quint32 DemoTelemetry::cameraClock(double driveSeconds)
{
    return static_cast<quint32>(std::lround((driveSeconds + kBootLead) * 1000));
}

double DemoTelemetry::printedCoordinate(double degrees, bool longitude)
{
    const QByteArray text =
        format(longitude ? "%010.4f" : "%09.4f", telemetry::nmeaCoordinate(degrees));
    return std::strtod(text.constData(), nullptr);
}

DemoTelemetry::Fix DemoTelemetry::fix(int second) const
{
    const double t = second;
    const DemoDrive::State state = m_drive.at(t);
    Fix f;
    f.utc = m_start.addSecs(second).toUTC();
    // The fix wanders a metre or two about the true position, as fixes do between buildings.
    const QPointF drift(1.6 * demo::smooth(m_seed, demo::GpsDriftStream, t / 19),
                        1.6 * demo::smooth(m_seed, demo::GpsDriftStream + 100, t / 23));
    const DemoRoute::Degrees place = DemoRoute::toDegrees(state.position + drift);
    f.latitude = place.latitude;
    f.longitude = place.longitude;
    f.knots = state.speed * 3600 / 1852;
    f.course = std::fmod(state.pose.heading * 180 / std::numbers::pi + 360, 360);
    f.altitude = 31 + 7 * demo::smooth(m_seed, demo::GpsDriftStream + 200, state.distance / 600);
    const auto gps = std::clamp(
        int(std::lround(8.5 + 2.4 * demo::smooth(m_seed, demo::SatelliteStream, t / 45))), 6, 11);
    const auto glonass = std::clamp(
        int(std::lround(5.5 + 2.2 * demo::smooth(m_seed, demo::SatelliteStream + 1, t / 52))), 3,
        8);
    f.gpsSatellites = m_gpsPool.mid(0, gps);
    f.glonassSatellites = m_glonassPool.mid(0, glonass);
    const double spread = 0.1 * demo::smooth(m_seed, demo::SatelliteStream + 2, t / 17);
    f.hdop = std::clamp(tenths(2.0 - 0.07 * f.satellites() + spread), 0.7, 1.4);
    f.pdop = tenths(f.hdop * 1.6 + 0.1);
    f.vdop = tenths(std::sqrt(f.pdop * f.pdop - f.hdop * f.hdop));
    return f;
}

QByteArray DemoTelemetry::nmea(const Fix &f) const
{
    const QTime time = f.utc.time();
    const QDate date = f.utc.date();
    const QByteArray hms =
        format("%02d%02d%02d.%03d", time.hour(), time.minute(), time.second(), time.msec());
    const QByteArray position = format(
        "%09.4f,%c,%010.4f,%c", telemetry::nmeaCoordinate(f.latitude), f.latitude < 0 ? 'S' : 'N',
        telemetry::nmeaCoordinate(f.longitude), f.longitude < 0 ? 'W' : 'E');
    const QByteArray dops = format("%.1f,%.1f,%.1f", f.pdop, f.hdop, f.vdop);
    QByteArray text;
    text += telemetry::nmeaSentence(
        "GNRMC," + hms + ",A," + position + format(",%.2f,%.2f,", f.knots, f.course) +
        format("%02d%02d%02d", date.day(), date.month(), date.year() % 100) + ",,,A");
    text += telemetry::nmeaSentence(
        "GNGGA," + hms + ',' + position +
        format(",1,%02d,%.1f,%.1f,M,23.4,M,,", f.satellites(), f.hdop, f.altitude));
    text += telemetry::nmeaSentence("GNGSA,A,3," + prnFields(f.gpsSatellites) + dops);
    text += telemetry::nmeaSentence("GNGSA,A,3," + prnFields(f.glonassSatellites) + dops);
    return text;
}

AviGpsRecord DemoTelemetry::gpsRecord(int second) const
{
    const Fix f = fix(second);
    AviGpsRecord record =
        telemetry::gpsRecord(cameraClock(second), nmea(f), printedCoordinate(f.latitude, false),
                             printedCoordinate(f.longitude, true),
                             static_cast<quint32>(std::lround(f.knots * 1.852)), '9');
    record.NS = f.latitude < 0 ? 'S' : 'N';
    record.EW = f.longitude < 0 ? 'W' : 'E';
    return record;
}

DemoTelemetry::Sample DemoTelemetry::sample(int tenth) const
{
    const double t = tenth / 10.0;
    const DemoDrive::State state = m_drive.at(t);
    const auto index = static_cast<quint64>(tenth);
    auto noise = [&](quint64 axis) {
        return demo::gaussian(m_seed, demo::GSensorStream + axis, index);
    };
    const bool parked = t >= m_drive.parkedTime();
    const double v = state.speed;
    // Engine off, engine idling, or the road's vibration growing with speed.
    const double across = parked ? 0.003 : (v < 0.05 ? 0.006 : 0.010 + 0.0015 * v);
    const double vertical = parked ? 0.003 : (v < 0.05 ? 0.008 : 0.015 + 0.0025 * v);
    double x = state.accel / kGravity + across * noise(0);
    double y = -state.lateralAccel / kGravity + across * noise(1);
    double z = 1.0 + vertical * noise(2);
    if (!parked && demo::uniform(m_seed, demo::BumpStream, index) < 0.02 * std::min(1.0, v / 10)) {
        // A manhole cover or a joint in the asphalt.
        z += 0.06 + 0.06 * demo::uniform(m_seed, demo::BumpStream + 1, index);
        x += 0.02;
    }
    const double sinceStop = t - m_drive.brakeStopTime();
    if (sinceStop >= 0 && sinceStop < 0.8) {
        // The body rocks back once the car has stopped dead.
        x += 0.18 * std::exp(-sinceStop / 0.2) * std::cos(sinceStop * 2 * std::numbers::pi / 0.7);
    }
    auto counts = [](double g) {
        return static_cast<qint32>(std::lround(g * 256));
    };
    return {counts(x), counts(y), counts(z)};
}

AviGSensorRecord DemoTelemetry::gSensorRecord(int tenth) const
{
    const Sample s = sample(tenth);
    return telemetry::gSensorRecord(cameraClock(tenth / 10.0), s.x, s.y, s.z);
}
