#include "core/telemetry/NmeaField.h"

#include <QVarLengthArray>

#include <bit>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <optional>

namespace nmea {

namespace {

bool isSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

QByteArrayView skipSpace(QByteArrayView field)
{
    qsizetype i = 0;
    while (i < field.size() && isSpace(field[i]))
        ++i;
    return field.sliced(i);
}

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

// A plain decimal ("-3734.5547") read without strtof, which was a fifth of a card's first index,
// to the same float. Its digits fit a double exactly and so does the power of ten, so their
// quotient is the decimal correctly rounded to a double; that rounds to strtof's float unless
// it lies exactly halfway between two floats. Nothing for any other field, or that case.
std::optional<float> plainDecimal(QByteArrayView field)
{
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr int kMostDigits = 15; // below 2^53
    qsizetype i = 0;
    const bool negative = !field.isEmpty() && field[0] == '-';
    if (!field.isEmpty() && (field[0] == '-' || field[0] == '+'))
        ++i;
    quint64 digits = 0;
    int count = 0, decimals = 0;
    bool point = false;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9' || ++count > kMostDigits)
            return std::nullopt;
        digits = digits * 10 + quint64(c - '0');
        decimals += point ? 1 : 0;
    }
    if (count == 0)
        return std::nullopt;
    const double value = double(digits) / kPowersOfTen[decimals];
    // The 29 bits a double has below a float's: a one and zeros is a midpoint.
    constexpr quint64 kBelowFloat = (quint64(1) << 29) - 1;
    if ((std::bit_cast<quint64>(value) & kBelowFloat) == quint64(1) << 28)
        return std::nullopt;
    const float rounded = float(value);
    return negative ? -rounded : rounded;
}

} // namespace

float readFloat(QByteArrayView field)
{
    field = skipSpace(field);
    // Decimal only: a hexadecimal prefix reads as its leading zero.
    qsizetype signEnd = (!field.isEmpty() && (field[0] == '+' || field[0] == '-')) ? 1 : 0;
    if (field.size() >= signEnd + 2 && field[signEnd] == '0' &&
        (field[signEnd + 1] == 'x' || field[signEnd + 1] == 'X'))
        return field[0] == '-' ? -0.0f : 0.0f;
    if (const std::optional<float> plain = plainDecimal(field))
        return *plain;
    // strtof needs a terminated string; fields are short.
    QVarLengthArray<char, 64> text(field.size() + 1);
    std::copy(field.begin(), field.end(), text.begin());
    text[field.size()] = '\0';
    if (const locale_t c = cLocale())
        return strtof_l(text.data(), nullptr, c);
    return std::strtof(text.data(), nullptr); // no C locale object: the process's own
}

int readInt(QByteArrayView field)
{
    field = skipSpace(field);
    qsizetype i = 0;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    qint64 value = 0;
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
        if (value > limit)
            value = limit;
    }
    if (negative)
        return static_cast<int>(-value);
    return static_cast<int>(std::min<qint64>(value, std::numeric_limits<int>::max()));
}

bool isValidUtf8(QByteArrayView text)
{
    const auto *p = reinterpret_cast<const unsigned char *>(text.data());
    const auto *end = p + text.size();
    while (p < end) {
        // Receivers send ASCII: eight bytes at a time while no high bit is set.
        quint64 eight;
        if (end - p >= 8 && (std::memcpy(&eight, p, 8), (eight & 0x8080808080808080) == 0)) {
            p += 8;
            continue;
        }
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int more;
        unsigned char low = 0x80, high = 0xBF; // range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            if (c == 0xE0)
                low = 0xA0;
            else if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (end - p <= more)
            return false;
        if (p[1] < low || p[1] > high)
            return false;
        for (int k = 2; k <= more; ++k) {
            if (p[k] < 0x80 || p[k] > 0xBF)
                return false;
        }
        p += more + 1;
    }
    return true;
}

qsizetype utf16Length(QByteArrayView text)
{
    qsizetype units = 0;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c & 0xC0) != 0x80)
            ++units;
        if (c >= 0xF0)
            ++units; // a character beyond the basic plane takes two units
    }
    return units;
}

} // namespace nmea
