#pragma once

#include <QString>

// One recording file of the camera, described by its name:
// "alwa_", "motion_" or "event_" + "yyyymmdd_hhmiss" + "_F" (front) or "_R" (rear).
class TVKMedia
{
public:
    enum Division { Always = 0, Motion = 1, Event = 2 };
    enum Direction { Front = 0, Rear = 1, UnknownDirection = 2 };

    TVKMedia() = default;
    explicit TVKMedia(const QString &path) { parsePath(path); }
    static TVKMedia mediaWithPath(const QString &path) { return TVKMedia(path); }

    // Fills every field from the path; never fails.
    void parsePath(const QString &path);
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
    QString mediaGroupName() const;
    QString yyyymmddhhmiss() const;
    // Negative: this record first; 0: equal; positive: the other first.
    int compareDate(const TVKMedia &other) const;

    bool isFrontMedia() const { return m_mediaDirection == Front; }
    bool isRearMedia() const { return m_mediaDirection == Rear; }
    bool isAlwaysMedia() const { return m_mediaDivision == Always; }
    bool isMotionMedia() const { return m_mediaDivision == Motion; }
    bool isEventMedia() const { return m_mediaDivision == Event; }

private:
    qint64 fixedWidthTimeKey() const;

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

// Lengths of the three name templates: "alwa_yyyymmdd_hhmiss_F", "event_…", "motion_…".
inline constexpr int kAlwaysNameLength = 22;
inline constexpr int kEventNameLength = 23;
inline constexpr int kMotionNameLength = 24;
inline bool hasRecordingNameLength(qsizetype length)
{
    return length == kAlwaysNameLength || length == kMotionNameLength || length == kEventNameLength;
}

// Splits the last component of a path into name and extension at its last dot.
void splitFileName(const QString &path, QString *name, QString *extension);
