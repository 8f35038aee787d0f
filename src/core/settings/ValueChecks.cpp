#include "core/settings/ValueChecks.h"

#include "core/common/isemptystring.h"

#include <QLocale>
#include <QRegularExpression>

std::optional<double> leadingDecimalNumber(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*([+-])?([0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE]([+-]?[0-9]+))?"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const double sign = match.capturedView(1) == QLatin1String("-") ? -1.0 : 1.0;
    bool ok = false;
    const double value = QLocale::c().toDouble(match.capturedView(0).trimmed(), &ok);
    if (ok)
        return value;
    // Only an exponent beyond a double's range gets here: huge numbers read as infinity, tiny
    // ones as zero, as a C reader takes them.
    return match.capturedView(3).startsWith(u'-') ? sign * 0.0 : sign * qInf();
}

tvk::Result<void> ValueChecks::validateGsensorThreshold(const QString &text)
{
    if (isEmptyString(text))
        return {};
    const std::optional<double> value = leadingDecimalNumber(text);
    if (!value)
        return tvk::Failure{QT_TRID_NOOP("msg.input_value_invalid_format")};
    if (*value < kGsensorThresholdMin || *value > kGsensorThresholdMax)
        return tvk::Failure{
            QT_TRID_NOOP("msg.gsensor_outofrange_fmt"),
            {},
            {},
            {QString::number(kGsensorThresholdMin), QString::number(kGsensorThresholdMax)}};
    return {};
}

tvk::Result<void> ValueChecks::validateSDCardSizeRatio(qint64 percent)
{
    if (percent < kSDCardRatioMin)
        return tvk::Failure{QT_TRID_NOOP("msg.sdcard_ratio_too_low")};
    return {};
}

QString filteredCarNumber(const QString &text)
{
    QString kept;
    for (const QChar c : text) {
        if (kept.size() == 8)
            break;
        const char16_t u = c.unicode();
        if ((u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9'))
            kept.append(c);
    }
    return kept;
}
