#include "core/catalogue/MediaPairs.h"

#include "core/catalogue/MediaFile.h"

std::optional<qint64> cameraGroupNumber(QStringView group)
{
    int kind;
    qsizetype at;
    if (startsWithAscii(group, "alwa_")) {
        kind = 0;
        at = 5;
    } else if (startsWithAscii(group, "motion_")) {
        kind = 1;
        at = 7;
    } else if (startsWithAscii(group, "event_")) {
        kind = 2;
        at = 6;
    } else {
        return std::nullopt;
    }
    if (group.size() != at + 15 || group[at + 8] != u'_')
        return std::nullopt;
    qint64 digits = 0;
    for (qsizetype i = at; i < at + 15; ++i) {
        if (i == at + 8)
            continue;
        const char16_t c = group[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        digits = digits * 10 + (c - u'0');
    }
    return digits * 4 + kind;
}

const MediaPair *MediaPairs::find(QStringView group) const
{
    qsizetype slot = 0;
    if (const std::optional<qint64> number = cameraGroupNumber(group))
        slot = m_byNumber.value(*number);
    else
        slot = m_byText.value(QString::fromRawData(group.data(), group.size()));
    return slot == 0 ? nullptr : &m_pairs.at(slot - 1);
}

MediaPair *MediaPairs::find(QStringView group)
{
    // Found in the shared pairs, then taken from this catalogue's own.
    const MediaPair *pair = std::as_const(*this).find(group);
    return pair ? &m_pairs[pair - m_pairs.constData()] : nullptr;
}

MediaPair &MediaPairs::operator[](QStringView group)
{
    if (const std::optional<qint64> number = cameraGroupNumber(group))
        return pairIn(m_byNumber[*number]);
    const auto it = m_byText.find(QString::fromRawData(group.data(), group.size()));
    return pairIn(it != m_byText.end() ? *it : *m_byText.insert(group.toString(), 0));
}

MediaPair &MediaPairs::pairIn(qsizetype &slot)
{
    if (slot == 0) {
        m_pairs.emplaceBack();
        slot = m_pairs.size();
    }
    return m_pairs[slot - 1];
}

void MediaPairs::reserve(qsizetype groups)
{
    m_byNumber.reserve(groups);
    m_pairs.reserve(groups);
}

void MediaPairs::clear()
{
    m_byNumber.clear();
    m_byText.clear();
    m_pairs.clear();
}
