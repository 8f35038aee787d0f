#include "core/player/ProgressEstimate.h"

#include "core/common/cformat.h"
#include "core/common/strings.h"

#include <cmath>

QString ProgressEstimate::phrase(double r)
{
    if (r > 615)
        return tvk::textFmt("progress.minutes_fmt", static_cast<int>(r / 60 + 0.75));
    struct Step
    {
        double above;
        const char *key;
    };
    static constexpr Step steps[] = {
        {555, QT_TRID_NOOP("progress.ten_minutes")},
        {495, QT_TRID_NOOP("progress.nine_minutes")},
        {435, QT_TRID_NOOP("progress.eight_minutes")},
        {375, QT_TRID_NOOP("progress.seven_minutes")},
        {315, QT_TRID_NOOP("progress.six_minutes")},
        {255, QT_TRID_NOOP("progress.five_minutes")},
        {195, QT_TRID_NOOP("progress.four_minutes")},
        {135, QT_TRID_NOOP("progress.three_minutes")},
        {75, QT_TRID_NOOP("progress.two_minutes")},
        {50, QT_TRID_NOOP("progress.one_minute")},
        {10, QT_TRID_NOOP("progress.under_a_minute")},
        {5, QT_TRID_NOOP("progress.ten_seconds")},
    };
    for (const Step &step : steps) {
        if (r > step.above)
            return tvk::text(step.key);
    }
    return tvk::text("progress.five_seconds");
}

std::optional<QString> ProgressEstimate::update(double v, qint64 now, const Settings &s)
{
    if (s.indeterminate)
        return QString();
    if (v < s.minValue + 0.00001) {
        m_startTime.reset();
        m_startTime2.reset();
    }
    if (!m_startTime) {
        m_startTime = now;
        m_startFraction = v / s.maxValue;
        return QString();
    }
    if (now - *m_startTime > 3500 && !m_startTime2) {
        m_startTime2 = now;
        m_startFraction2 = v / s.maxValue;
    }
    if (m_startTime2 && now - *m_startTime2 > 3500) {
        m_startTime = m_startTime2;
        m_startFraction = m_startFraction2;
        m_startTime2.reset();
    }
    const double elapsed = (now - *m_startTime) / 1000.0;
    const double range = s.maxValue - s.minValue;
    const double f = range != 0 ? (v - s.minValue) / range : 0;

    std::optional<QString> estimate;
    if (elapsed > 0.5 && s.displayTimeRemaining) {
        const double rate = (f - m_startFraction) / elapsed;
        const double r = (1 - f) / rate;
        // No progress since the base gives no finite time: say nothing rather than guess.
        if (rate > 0 && std::isfinite(r))
            estimate = phrase(r);
    }
    if (s.displayPercentage) {
        if (estimate)
            return tvk::cformat("%.0f %% completed - %s", f * 100, qPrintable(*estimate));
        return tvk::cformat("%.0f %% completed", f * 100);
    }
    return estimate;
}
