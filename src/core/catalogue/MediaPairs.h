#pragma once

#include "core/catalogue/MediaPair.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// The pairs of a catalogue by group name: a recording's name without its side. A name in the
// camera's own form is held under a number made of its kind and its fourteen digits, which is
// hashed and compared without reading a text; any other name is held under its text. The
// pairs themselves lie one after another in the order they were made, so that the tables
// hold small entries only. Pointers to pairs stay valid until the next pair is made.
class MediaPairs
{
public:
    qsizetype size() const { return m_pairs.size(); }
    bool isEmpty() const { return size() == 0; }
    bool contains(QStringView group) const { return find(group) != nullptr; }
    const MediaPair *find(QStringView group) const;
    MediaPair *find(QStringView group);
    // The pair of the group, made empty when it is the first.
    MediaPair &operator[](QStringView group);
    // Room for this many groups.
    void reserve(qsizetype groups);
    void clear();

private:
    // A new pair when `slot` is 0; a slot holds its pair's place plus one.
    MediaPair &pairIn(qsizetype &slot);

    QHash<qint64, qsizetype> m_byNumber;
    QHash<QString, qsizetype> m_byText;
    QList<MediaPair> m_pairs; // shared, as the tables are, by the copies of a catalogue
};

// The number of a group name in the camera's form ("alwa_", "motion_" or "event_", eight
// digits, "_", six digits), distinct for each such name; nothing for any other name.
std::optional<qint64> cameraGroupNumber(QStringView group);
