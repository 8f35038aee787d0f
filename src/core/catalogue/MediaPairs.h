#pragma once

#include "core/catalogue/MediaPair.h"

#include <QHash>
#include <QString>

#include <optional>

// The pairs of a catalogue by group name: a recording's name without its side. A name in the
// camera's own form is held under a number made of its kind and its fourteen digits, which is
// hashed and compared without reading a text; any other name is held under its text. Pointers
// to pairs stay valid until the next pair is made.
class MediaPairs
{
public:
    qsizetype size() const { return m_byNumber.size() + m_byText.size(); }
    bool isEmpty() const { return size() == 0; }
    bool contains(QStringView group) const { return find(group) != nullptr; }
    const MediaPair *find(QStringView group) const;
    MediaPair *find(QStringView group);
    // The pair of the group, made empty when it is the first.
    MediaPair &operator[](QStringView group);
    // Room for this many groups in the camera's form.
    void reserve(qsizetype groups) { m_byNumber.reserve(groups); }
    void clear();

private:
    QHash<qint64, MediaPair> m_byNumber;
    QHash<QString, MediaPair> m_byText;
};

// The number of a group name in the camera's form ("alwa_", "motion_" or "event_", eight
// digits, "_", six digits), distinct for each such name; nothing for any other name.
std::optional<qint64> cameraGroupNumber(QStringView group);
