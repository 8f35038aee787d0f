#include "TVKMedia.h"

#include <cstdio>

namespace {

// Reads a decimal integer from the start of a fixed window, as the C library does: leading
// blanks, an optional sign, then digits up to the first non-digit. No digits read as 0.
int readWindow(const QString &name, qsizetype start, qsizetype length)
{
    qsizetype i = start;
    const qsizetype end = std::min(name.size(), start + length);
    while (i < end && (name[i] == u' ' || (name[i] >= u'\t' && name[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < end && (name[i] == u'+' || name[i] == u'-')) {
        negative = name[i] == u'-';
        ++i;
    }
    int value = 0;
    for (; i < end && name[i] >= u'0' && name[i] <= u'9'; ++i)
        value = value * 10 + (name[i].unicode() - u'0');
    return negative ? -value : value;
}

QString stripTrailingSlashes(const QString &path)
{
    QString result = path;
    while (result.size() > 1 && result.endsWith(u'/'))
        result.chop(1);
    return result;
}

} // namespace

void splitFileName(const QString &path, QString *name, QString *extension)
{
    const QString last = path.mid(path.lastIndexOf(u'/') + 1);
    const qsizetype dot = last.lastIndexOf(u'.');
    // A leading dot belongs to a hidden name, not to an extension.
    if (dot <= 0) {
        *name = last;
        extension->clear();
    } else {
        *name = last.left(dot);
        *extension = last.mid(dot + 1);
    }
}

void TVKMedia::parsePath(const QString &path)
{
    m_path = stripTrailingSlashes(path);
    splitFileName(m_path, &m_mediaName, &m_extension);
    const qsizetype slash = m_path.lastIndexOf(u'/');
    m_dir = slash < 0 ? QString() : (slash == 0 ? QStringLiteral("/") : m_path.left(slash));

    if (!hasRecordingNameLength(m_mediaName.size())) {
        updateToUnknown();
        return;
    }
    m_mediaDirection = UnknownDirection;

    bool parsed = false;
    bool timeRead = false;
    if (m_mediaName.startsWith(QLatin1String("alwa_"))) {
        m_mediaDivision = Always;
        timeRead = true;
        parsed = parseTimeByName(m_mediaName, 5);
    } else if (m_mediaName.startsWith(QLatin1String("motion_"))) {
        m_mediaDivision = Motion;
        timeRead = true;
        parsed = parseTimeByName(m_mediaName, 7);
    } else if (m_mediaName.startsWith(QLatin1String("event_"))) {
        m_mediaDivision = Event;
        timeRead = true;
        parsed = parseTimeByName(m_mediaName, 6);
    }
    if (timeRead && !parsed) {
        updateToUnknown();
        return;
    }
    if (m_mediaName.endsWith(QLatin1String("_F")))
        m_mediaDirection = Front;
    else if (m_mediaName.endsWith(QLatin1String("_R")))
        m_mediaDirection = Rear;
}

bool TVKMedia::parseTimeByName(const QString &name, qint64 startPos)
{
    if (startPos < 0 || name.size() < startPos + 15)
        return false;
    const qsizetype s = startPos;
    m_year = readWindow(name, s, 4);
    m_month = readWindow(name, s + 4, 2);
    m_day = readWindow(name, s + 6, 2);
    m_hour = readWindow(name, s + 9, 2);
    m_minute = readWindow(name, s + 11, 2);
    m_second = readWindow(name, s + 13, 2);
    return m_year >= 1970 && m_year <= 2700 && m_month >= 1 && m_month <= 12 && m_day >= 1 &&
           m_day <= 31 && m_hour >= 0 && m_hour <= 24 && m_minute >= 0 && m_minute <= 60 &&
           m_second >= 0 && m_second <= 60;
}

void TVKMedia::updateToUnknown()
{
    m_year = m_month = m_day = m_hour = m_minute = m_second = 0;
}

QString TVKMedia::fileName() const
{
    return m_mediaName + u'.' + m_extension;
}

QString TVKMedia::mediaGroupName() const
{
    return m_mediaName.left(std::max<qsizetype>(0, m_mediaName.size() - 2));
}

QString TVKMedia::yyyymmddhhmiss() const
{
    char text[96];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", m_year, m_month, m_day, m_hour,
                  m_minute, m_second);
    return QString::fromLatin1(text);
}

qint64 TVKMedia::fixedWidthTimeKey() const
{
    // The time string compares like this number whenever every field fills its field width
    // exactly; sorting thousands of names then needs no text at all.
    auto within = [](int v, int limit) {
        return v >= 0 && v < limit;
    };
    if (!within(m_year, 10000) || !within(m_month, 100) || !within(m_day, 100) ||
        !within(m_hour, 100) || !within(m_minute, 100) || !within(m_second, 100))
        return -1;
    return ((((qint64(m_year) * 100 + m_month) * 100 + m_day) * 100 + m_hour) * 100 + m_minute) *
               100 +
           m_second;
}

int TVKMedia::compareDate(const TVKMedia &other) const
{
    const qint64 key = fixedWidthTimeKey();
    const qint64 otherKey = other.fixedWidthTimeKey();
    int byTime;
    if (key >= 0 && otherKey >= 0)
        byTime = key < otherKey ? -1 : (key > otherKey ? 1 : 0);
    else
        byTime = yyyymmddhhmiss().compare(other.yyyymmddhhmiss());
    if (byTime != 0)
        return byTime < 0 ? -1 : 1;
    if (m_mediaDivision != other.m_mediaDivision)
        return m_mediaDivision > other.m_mediaDivision ? -1 : 1;
    if (m_mediaDirection != other.m_mediaDirection)
        return m_mediaDirection < other.m_mediaDirection ? -1 : 1;
    return 0;
}
