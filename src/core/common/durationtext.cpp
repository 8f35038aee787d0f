#include "core/common/durationtext.h"

#include <QCoreApplication>

#include <cmath>

namespace tvk {

namespace {

QString count(const char *key, qint64 n)
{
    return qtTrId(key, int(n));
}

QString pair(const QString &larger, const QString &smaller)
{
    return qtTrId("duration.pair").arg(larger, smaller);
}

} // namespace

QString durationText(double seconds)
{
    const double magnitude = std::abs(seconds);
    if (!std::isfinite(magnitude))
        return count("duration.seconds", 0);
    const qint64 whole = std::llround(magnitude);
    if (whole < 60)
        return count("duration.seconds", whole);
    if (whole < 3600) {
        const qint64 s = whole % 60;
        const QString minutes = count("duration.minutes", whole / 60);
        return s ? pair(minutes, count("duration.seconds", s)) : minutes;
    }
    // Hours with the minutes rounded, so that 2 h 14 min 59 s reads as 2 h 15 min.
    const qint64 totalMinutes = std::llround(magnitude / 60);
    const qint64 m = totalMinutes % 60;
    const QString hours = count("duration.hours", totalMinutes / 60);
    return m ? pair(hours, count("duration.minutes", m)) : hours;
}

} // namespace tvk
