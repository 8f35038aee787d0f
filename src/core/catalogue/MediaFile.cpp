#include "core/catalogue/MediaFile.h"

#include "core/catalogue/nameyears.h"

#include <algorithm>
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

namespace {

// A short scan from the end: QStringView::lastIndexOf goes through the general substring
// search, which a walk of thousands of names feels.
qsizetype lastOf(QStringView text, char16_t c)
{
    qsizetype i = text.size();
    while (i > 0 && text[i - 1] != c)
        --i;
    return i - 1;
}

// The last component of a path, split at its last dot; a leading dot belongs to a hidden name,
// not to an extension.
struct NameViews
{
    QStringView name;
    QStringView extension;
};
NameViews splitLast(QStringView path)
{
    const QStringView last = path.mid(lastOf(path, u'/') + 1);
    const qsizetype dot = lastOf(last, u'.');
    return {dot <= 0 ? last : last.left(dot), dot <= 0 ? QStringView() : last.mid(dot + 1)};
}

} // namespace

FileNameParts splitFileName(const QString &path)
{
    const NameViews views = splitLast(path);
    return {views.name.toString(), recordingExtension(views.extension)};
}

QString recordingExtension(QStringView extension)
{
    // Shared rather than allocated for each of thousands.
    static const QString avi = QStringLiteral("avi");
    return extension == avi ? avi : extension.toString();
}

QStringView recordingNameOf(QStringView path)
{
    return splitLast(path).name;
}

void MediaFile::parsePath(const QString &path, const QString &knownDir)
{
    m_path = stripTrailingSlashes(path);
    FileNameParts parts = splitFileName(m_path);
    m_mediaName = std::move(parts.name);
    m_extension = std::move(parts.extension);
    if (!knownDir.isNull()) {
        m_dir = knownDir;
    } else {
        const qsizetype slash = m_path.lastIndexOf(u'/');
        m_dir = slash < 0 ? QString() : (slash == 0 ? QStringLiteral("/") : m_path.left(slash));
    }
    parseName();
}

MediaFile::MediaFile(QString path, QString dir, QString name, QString extension)
    : m_path(std::move(path)), m_mediaName(std::move(name)), m_extension(std::move(extension)),
      m_dir(std::move(dir))
{
    parseName();
}

void MediaFile::parseName()
{
    if (!hasRecordingNameLength(m_mediaName.size())) {
        updateToUnknown();
        return;
    }
    m_mediaDirection = UnknownDirection;

    bool parsed = false;
    bool timeRead = false;
    if (startsWithAscii(m_mediaName, "alwa_")) {
        m_mediaDivision = Always;
        timeRead = true;
        parsed = parseTimeByName(m_mediaName, 5);
    } else if (startsWithAscii(m_mediaName, "motion_")) {
        m_mediaDivision = Motion;
        timeRead = true;
        parsed = parseTimeByName(m_mediaName, 7);
    } else if (startsWithAscii(m_mediaName, "event_")) {
        m_mediaDivision = Event;
        timeRead = true;
        parsed = parseTimeByName(m_mediaName, 6);
    }
    if (timeRead && !parsed) {
        updateToUnknown();
        return;
    }
    if (endsWithAscii(m_mediaName, "_F"))
        m_mediaDirection = Front;
    else if (endsWithAscii(m_mediaName, "_R"))
        m_mediaDirection = Rear;
}

bool MediaFile::parseTimeByName(const QString &name, qint64 startPos)
{
    if (startPos < 0 || name.size() < startPos + 15)
        return false;
    const qsizetype s = startPos;
    if (!readDigits(QStringView(name).mid(s, 15))) {
        m_year = readWindow(name, s, 4);
        m_month = readWindow(name, s + 4, 2);
        m_day = readWindow(name, s + 6, 2);
        m_hour = readWindow(name, s + 9, 2);
        m_minute = readWindow(name, s + 11, 2);
        m_second = readWindow(name, s + 13, 2);
    }
    return m_year >= kFirstNameYear && m_year <= kLastNameYear && m_month >= 1 && m_month <= 12 &&
           m_day >= 1 && m_day <= 31 && m_hour >= 0 && m_hour <= 24 && m_minute >= 0 &&
           m_minute <= 60 && m_second >= 0 && m_second <= 60;
}

bool MediaFile::readDigits(QStringView time)
{
    // Every window all digits, as the camera writes them: the values the windows give, read
    // in one pass. The character between date and time is not looked at, as by the windows.
    int digit[15];
    bool digits = true;
    for (qsizetype i = 0; i < 15; ++i) {
        digit[i] = time[i].unicode() - u'0';
        digits &= i == 8 || (digit[i] >= 0 && digit[i] <= 9);
    }
    if (!digits)
        return false;
    m_year = ((digit[0] * 10 + digit[1]) * 10 + digit[2]) * 10 + digit[3];
    m_month = digit[4] * 10 + digit[5];
    m_day = digit[6] * 10 + digit[7];
    m_hour = digit[9] * 10 + digit[10];
    m_minute = digit[11] * 10 + digit[12];
    m_second = digit[13] * 10 + digit[14];
    return true;
}

void MediaFile::updateToUnknown()
{
    m_year = m_month = m_day = m_hour = m_minute = m_second = 0;
}

QString MediaFile::fileName() const
{
    return m_mediaName + u'.' + m_extension;
}

QStringView MediaFile::mediaGroupNameView() const
{
    return QStringView(m_mediaName).left(std::max<qsizetype>(0, m_mediaName.size() - 2));
}

QString MediaFile::yyyymmddhhmiss() const
{
    char text[96];
    return QString::fromLatin1(text, writeYyyymmddhhmiss(text));
}

int MediaFile::writeYyyymmddhhmiss(char (&out)[96]) const
{
    // Fourteen digits in their field widths need no printf, which thousands of rows feel.
    qint64 key = fixedWidthTimeKey();
    if (key >= 0) {
        for (int i = 13; i >= 0; --i, key /= 10)
            out[i] = char('0' + key % 10);
        out[14] = '\0';
        return 14;
    }
    const int n = std::snprintf(out, sizeof out, "%04d%02d%02d%02d%02d%02d", m_year, m_month, m_day,
                                m_hour, m_minute, m_second);
    return std::clamp(n, 0, int(sizeof out) - 1);
}

qint64 MediaFile::fixedWidthTimeKey() const
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

int MediaFile::compareDate(const MediaFile &other) const
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

MediaFile::SortKey MediaFile::sortKey() const
{
    const qint64 time = fixedWidthTimeKey();
    if (time < 0 || m_mediaDivision < 0 || m_mediaDivision > 7 || m_mediaDirection < 0 ||
        m_mediaDirection > 7)
        return {-1};
    // Later divisions first, then the lower direction, as compareDate orders them.
    return {(time * 8 + (7 - m_mediaDivision)) * 8 + m_mediaDirection};
}
