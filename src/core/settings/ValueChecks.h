#pragma once

#include "core/common/result.h"

#include <QString>

#include <optional>

// Checks of typed values shared by the settings pages. Each fails with the message to show when
// the value is not acceptable.
class ValueChecks
{
public:
    ValueChecks() = delete;

    static constexpr double kGsensorThresholdMin = 0.05;
    static constexpr double kGsensorThresholdMax = 1.5;
    static constexpr int kSDCardRatioMin = 20;

    // The number at the start of the text (as a C reader takes it: "1.2x" is 1.2) must lie in
    // 0.05 .. 1.5. An empty text is accepted; the page keeps its preset then.
    static tvk::Result<void> validateGsensorThreshold(const QString &text);
    // A share of the card in percent must be at least 20.
    static tvk::Result<void> validateSDCardSizeRatio(qint64 percent);
};

// The car-number field's filter: ASCII letters and digits only, at most 8 of them.
QString filteredCarNumber(const QString &text);

// The number at the start of a text: white space skipped, optional sign, digits with an
// optional fraction, optional exponent. Nothing when no number starts the text.
std::optional<double> leadingDecimalNumber(const QString &text);
