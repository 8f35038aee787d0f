#include "core/telemetry/NmeaSentenceParser.h"

#include "core/telemetry/NmeaField.h"

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// A field that is missing from a cut sentence reads like an empty one.
QByteArrayView field(const NmeaFields &fields, qsizetype index)
{
    return index < fields.size() ? fields[index] : QByteArrayView();
}

bool present(const NmeaFields &fields, qsizetype index)
{
    return !field(fields, index).isEmpty();
}

double decimal(const NmeaFields &fields, qsizetype index)
{
    return static_cast<double>(nmea::readFloat(field(fields, index)));
}

int integer(const NmeaFields &fields, qsizetype index)
{
    return nmea::readInt(field(fields, index));
}

// A count of satellites: a negative field is a damaged one and counts none.
quint32 count(const NmeaFields &fields, qsizetype index)
{
    return static_cast<quint32>(std::max(0, integer(fields, index)));
}

// Reads a fixed-width field with a scanf format; values the format does not reach stay 0.
template <typename... Ints> void scanField(QByteArrayView text, const char *format, Ints *...values)
{
    char buffer[32] = {};
    std::memcpy(buffer, text.data(), static_cast<size_t>(std::min<qsizetype>(text.size(), 31)));
    ((*values = 0), ...);
    std::sscanf(buffer, format, values...);
}

// The digits of text[at, at + count) as a number; nothing when one of them is not a digit.
std::optional<int> digitsAt(QByteArrayView text, qsizetype at, qsizetype count)
{
    int value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

struct TimeOfDay
{
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Reads "hhmmss.sss" as the format "%02d%02d%02d.%03d" does. The receiver's own shape, all
// digits, is read directly: scanf was a sixth of a card's first index.
TimeOfDay readTime(QByteArrayView text)
{
    const std::optional<int> h = digitsAt(text, 0, 2), m = digitsAt(text, 2, 2),
                             s = digitsAt(text, 4, 2), ms = digitsAt(text, 7, 3);
    TimeOfDay t;
    if (text.size() == 10 && h && m && s && text[6] == '.' && ms)
        t = {*h, *m, *s, *ms};
    else
        scanField(text, "%02d%02d%02d.%03d", &t.hour, &t.minute, &t.second, &t.millisecond);
    return t;
}

struct Day
{
    int day = 0, month = 0, year = 0;
};

// Reads "ddmmyy" as the format "%02d%02d%02d" does, directly when it is all digits.
Day readDate(QByteArrayView text)
{
    const std::optional<int> d = digitsAt(text, 0, 2), m = digitsAt(text, 2, 2),
                             y = digitsAt(text, 4, 2);
    Day day;
    if (text.size() == 6 && d && m && y)
        day = {*d, *m, *y};
    else
        scanField(text, "%02d%02d%02d", &day.day, &day.month, &day.year);
    return day;
}

} // namespace

bool NmeaSentenceParser::parse(const char *sentence)
{
    if (!sentence)
        return false;
    return parse(QByteArrayView(sentence, static_cast<qsizetype>(std::strlen(sentence))));
}

bool NmeaSentenceParser::parse(QByteArrayView sentence)
{
    if (!nmea::isValidUtf8(sentence))
        return false;
    const qsizetype star = sentence.indexOf('*');
    if (star < 0 || sentence.sliced(star + 1).contains('*'))
        return false;
    // The checksum after "*" is not verified.
    const QByteArrayView body = sentence.first(star);
    NmeaFields fields;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= body.size(); ++i) {
        if (i == body.size() || body[i] == ',') {
            fields.append(body.sliced(start, i - start));
            start = i + 1;
        }
    }
    const QByteArrayView name = fields[0];
    if (name == "$GPRMC" || name == "$GNRMC")
        return parseGPRMC(fields);
    if (name == "$GPGGA" || name == "$GNGGA")
        return parseGPGGA(fields);
    if (name == "$GNGSA")
        return parseGNGSA(fields);
    if (name == "$GNGNS")
        return parseGNGNS(fields);
    return false;
}

bool NmeaSentenceParser::parseGPRMC(const NmeaFields &fields)
{
    GpsData &fix = m_Current;
    fix.SpeedOverGround = decimal(fields, 7);
    fix.CourseOverGround = decimal(fields, 8);
    const QByteArrayView time = field(fields, 1);
    const QByteArrayView date = field(fields, 9);
    if (nmea::utf16Length(date) == 6 && nmea::utf16Length(time) == 10) {
        const TimeOfDay t = readTime(time);
        const Day d = readDate(date);
        fix.Now.wYear = static_cast<quint16>(2000 + d.year);
        fix.Now.wMonth = static_cast<quint16>(d.month);
        fix.Now.wDayOfWeek = 0;
        fix.Now.wDay = static_cast<quint16>(d.day);
        fix.Now.wHour = static_cast<quint16>(t.hour);
        fix.Now.wMinute = static_cast<quint16>(t.minute);
        fix.Now.wSecond = static_cast<quint16>(t.second);
        fix.Now.wMilliseconds = static_cast<quint16>(t.millisecond);
    }
    fix.Cnt_GNGSA = 0;
    return true;
}

bool NmeaSentenceParser::parseGPGGA(const NmeaFields &fields)
{
    GpsData &fix = m_Current;
    if (present(fields, 2))
        fix.Latitude = decimal(fields, 2);
    if (present(fields, 3))
        fix.NS = field(fields, 3)[0];
    if (present(fields, 4))
        fix.Longitude = decimal(fields, 4);
    if (present(fields, 5))
        fix.EW = field(fields, 5)[0];
    if (fields[0] == "$GPGGA" && !fix.Enable_GNGNS && !fix.Enable_GNGSA)
        fix.SatelliteUsedCount = count(fields, 7);
    if (!fix.Enable_GNGNS && present(fields, 8))
        fix.HDOP = decimal(fields, 8);
    fix.Cnt_GNGSA = 0;
    return true;
}

bool NmeaSentenceParser::parseGNGSA(const NmeaFields &fields)
{
    GpsData &fix = m_Current;
    fix.Enable_GNGSA = 1;
    if (fix.Enable_GNGNS)
        return true; // the GNS sentence owns the counts
    quint32 used = 0;
    for (int c = 0; c < GpsData::kChannels; ++c) {
        const quint8 prn = present(fields, c + 3) ? static_cast<quint8>(integer(fields, c + 3)) : 0;
        fix.setSatelliteUsed(prn, c);
        if (prn != 0)
            ++used;
    }
    // The receiver sends the GPS GSA first and the GLONASS one (numbers 65 and up) second;
    // an empty GSA takes the side the toggle gives.
    const quint8 first = fix.SatelliteUsedAtIndex(0);
    if (first >= 1 && first <= 64)
        fix.Cnt_GNGSA = 0;
    else if (first >= 65)
        fix.Cnt_GNGSA = 1;
    if (fix.Cnt_GNGSA == 1) {
        fix.SatelliteUsedCount_GLONASS = used;
        fix.Cnt_GNGSA = 0;
        fix.SatelliteUsedCount = fix.SatelliteUsedCount_GPS + fix.SatelliteUsedCount_GLONASS;
    } else {
        fix.SatelliteUsedCount_GPS = used;
        fix.Cnt_GNGSA = 1;
    }
    return true;
}

bool NmeaSentenceParser::parseGNGNS(const NmeaFields &fields)
{
    GpsData &fix = m_Current;
    fix.Enable_GNGNS = 1;
    fix.SatelliteUsedCount = count(fields, 7);
    if (present(fields, 8))
        fix.HDOP = decimal(fields, 8);
    return true;
}
