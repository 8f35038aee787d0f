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
    if (const std::optional<qint64> number = cameraGroupNumber(group)) {
        const auto it = m_byNumber.constFind(*number);
        return it == m_byNumber.cend() ? nullptr : &*it;
    }
    const auto it = m_byText.constFind(QString::fromRawData(group.data(), group.size()));
    return it == m_byText.cend() ? nullptr : &*it;
}

MediaPair *MediaPairs::find(QStringView group)
{
    return const_cast<MediaPair *>(std::as_const(*this).find(group));
}

MediaPair &MediaPairs::operator[](QStringView group)
{
    if (const std::optional<qint64> number = cameraGroupNumber(group))
        return m_byNumber[*number];
    const auto it = m_byText.find(QString::fromRawData(group.data(), group.size()));
    return it != m_byText.end() ? *it : *m_byText.insert(group.toString(), {});
}

void MediaPairs::clear()
{
    m_byNumber.clear();
    m_byText.clear();
}
