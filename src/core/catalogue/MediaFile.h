#pragma once

#include <QString>

// One recording file of the camera, described by its name:
// "alwa_", "motion_" or "event_" + "yyyymmdd_hhmiss" + "_F" (front) or "_R" (rear).
class MediaFile
{
public:
    enum Division { Always = 0, Motion = 1, Event = 2 };
    enum Direction { Front = 0, Rear = 1, UnknownDirection = 2 };

    MediaFile() = default;
    explicit MediaFile(const QString &path) { parsePath(path); }
    // For a walk that knows the folder of each path it finds.
    MediaFile(const QString &path, const QString &dir) { parsePath(path, dir); }
    // For a walk that has split the name itself: `path` is `dir`/`name`.`extension`.
    MediaFile(QString path, QString dir, QString name, QString extension);
    static MediaFile mediaWithPath(const QString &path) { return MediaFile(path); }

    // Fills every field from the path; never fails.
    void parsePath(const QString &path, const QString &knownDir = QString());
    // Reads the six time fields from fixed windows of the name; false when the name is too
    // short (nothing changed) or a value is out of range (the values read are kept).
    bool parseTimeByName(const QString &name, qint64 startPos);
    void updateToUnknown();

    const QString &path() const { return m_path; }
    const QString &mediaName() const { return m_mediaName; }
    const QString &extension() const { return m_extension; }
    const QString &dir() const { return m_dir; }
    int year() const { return m_year; }
    int month() const { return m_month; }
    int day() const { return m_day; }
    int hour() const { return m_hour; }
    int minute() const { return m_minute; }
    int second() const { return m_second; }
    int mediaDivision() const { return m_mediaDivision; }
    int mediaDirection() const { return m_mediaDirection; }

    QString fileName() const;
    QString mediaGroupName() const { return mediaGroupNameView().toString(); }
    QStringView mediaGroupNameView() const;
    QString yyyymmddhhmiss() const;
    // The same text as bytes into `out`, without allocating; returns its length.
    int writeYyyymmddhhmiss(char (&out)[96]) const;
    // Negative: this record first; 0: equal; positive: the other first.
    int compareDate(const MediaFile &other) const;

    // compareDate as one number, for records whose time fields all fill their widths.
    struct SortKey
    {
        qint64 key;
        bool valid() const { return key >= 0; }
        bool operator<(const SortKey &other) const { return key < other.key; }
    };
    SortKey sortKey() const;

    bool isFrontMedia() const { return m_mediaDirection == Front; }
    bool isRearMedia() const { return m_mediaDirection == Rear; }
    bool isAlwaysMedia() const { return m_mediaDivision == Always; }
    bool isMotionMedia() const { return m_mediaDivision == Motion; }
    bool isEventMedia() const { return m_mediaDivision == Event; }

private:
    // The fields the name gives, once path, name and folder are set.
    void parseName();
    qint64 fixedWidthTimeKey() const;
    // The six fields from fifteen characters that hold digits in every window; false, with
    // nothing changed, when one does not.
    bool readDigits(QStringView time);

    QString m_path;
    QString m_mediaName;
    QString m_extension;
    QString m_dir;
    int m_year = 0;
    int m_month = 0;
    int m_day = 0;
    int m_hour = 0;
    int m_minute = 0;
    int m_second = 0;
    int m_mediaDivision = 0;
    int m_mediaDirection = 0;
};

// Its strings move by their pointers, so a growing list of thousands of records is resized
// in place rather than copied record by record.
Q_DECLARE_TYPEINFO(MediaFile, Q_RELOCATABLE_TYPE);

// Lengths of the three name templates: "alwa_yyyymmdd_hhmiss_F", "event_…", "motion_…".
inline constexpr int kAlwaysNameLength = 22;
inline constexpr int kEventNameLength = 23;
inline constexpr int kMotionNameLength = 24;
inline bool hasRecordingNameLength(qsizetype length)
{
    return length == kAlwaysNameLength || length == kMotionNameLength || length == kEventNameLength;
}

// Case-sensitive tests against ASCII literals, inline: the walk makes a dozen per file.
template <qsizetype N> bool startsWithAscii(QStringView text, const char (&literal)[N])
{
    if (text.size() < N - 1)
        return false;
    for (qsizetype i = 0; i < N - 1; ++i) {
        if (text[i].unicode() != char16_t(literal[i]))
            return false;
    }
    return true;
}
template <qsizetype N> bool endsWithAscii(QStringView text, const char (&literal)[N])
{
    return text.size() >= N - 1 && startsWithAscii(text.last(N - 1), literal);
}

// The last component of a path split into name and extension at its last dot.
struct FileNameParts
{
    QString name;
    QString extension;
};
FileNameParts splitFileName(const QString &path);
// "avi" shared, as nearly every recording's extension is; anything else as given.
QString recordingExtension(QStringView extension);
// The name part of that split.
QStringView recordingNameOf(QStringView path);
