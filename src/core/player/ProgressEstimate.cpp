#include "core/player/ProgressEstimate.h"

#include "core/common/cformat.h"

#include <cmath>

QString ProgressEstimate::phrase(double r)
{
    if (r > 615)
        return tvk::cformat("About %d minutes remaining", static_cast<int>(r / 60 + 0.75));
    struct Step
    {
        double above;
        const char *text;
    };
    static constexpr Step steps[] = {
        {555, "About ten minutes remaining"},   {495, "About nine minutes remaining"},
        {435, "About eight minutes remaining"}, {375, "About seven minutes remaining"},
        {315, "About six minutes remaining"},   {255, "About five minutes remaining"},
        {195, "About four minutes remaining"},  {135, "About three minutes remaining"},
        {75, "About two minutes remaining"},    {50, "About one minute remaining"},
        {10, "Less than a minute remaining"},   {5, "About ten seconds remaining"},
    };
    for (const Step &step : steps) {
        if (r > step.above)
            return QLatin1String(step.text);
    }
    return QStringLiteral("About five seconds remaining");
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
