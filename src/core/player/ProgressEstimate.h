#pragma once

#include <QString>

#include <optional>

// The remaining-time estimate of a progress bar. Its base moves every 3.5 seconds so that
// the estimate follows the recent rate: the base is always 3.5 to 7 seconds old.
class ProgressEstimate
{
public:
    struct Settings
    {
        double minValue = 0;
        double maxValue = 100;
        bool indeterminate = false;
        bool displayPercentage = false;
        bool displayTimeRemaining = true;
    };

    // The text for value v at the moment `nowMs` (milliseconds of a steady clock), or nothing
    // when the text stays as it is.
    std::optional<QString> update(double value, qint64 nowMs, const Settings &settings);

    // The phrase for r seconds left.
    static QString phrase(double seconds);

private:
    std::optional<qint64> m_startTime;
    std::optional<qint64> m_startTime2;
    double m_startFraction = 0;
    double m_startFraction2 = 0;
};
