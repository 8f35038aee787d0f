#include "core/settings/FileData.h"

#include <QtEndian>

#include <type_traits>

namespace {

template <class T> void load(const uchar *image, std::size_t offset, T &field)
{
    if constexpr (std::is_integral_v<T>) {
        field = qFromLittleEndian<T>(image + offset);
    } else if constexpr (std::is_same_v<std::remove_extent_t<T>, char>) {
        for (std::size_t i = 0; i < std::extent_v<T>; ++i)
            field[i] = static_cast<char>(image[offset + i]);
    } else {
        using Word = std::remove_extent_t<T>;
        for (std::size_t i = 0; i < std::extent_v<T>; ++i)
            field[i] = qFromLittleEndian<Word>(image + offset + i * sizeof(Word));
    }
}

template <class T> void store(uchar *image, std::size_t offset, const T &field)
{
    if constexpr (std::is_integral_v<T>) {
        qToLittleEndian<T>(field, image + offset);
    } else if constexpr (std::is_same_v<std::remove_extent_t<T>, char>) {
        for (std::size_t i = 0; i < std::extent_v<T>; ++i)
            image[offset + i] = static_cast<uchar>(field[i]);
    } else {
        using Word = std::remove_extent_t<T>;
        for (std::size_t i = 0; i < std::extent_v<T>; ++i)
            qToLittleEndian<Word>(field[i], image + offset + i * sizeof(Word));
    }
}

} // namespace

tvk::Result<SettingsRecord> SettingsRecord::decode(const QByteArray &bytes)
{
    if (bytes.size() < kSize)
        return sizeFailure(bytes.size());
    const auto *image = reinterpret_cast<const uchar *>(bytes.constData());
    SettingsRecord decoded{};
    visitSettingsFields(decoded, [image](const char *, auto &field, std::size_t offset) {
        load(image, offset, field);
    });
    return decoded;
}

tvk::Failure SettingsRecord::sizeFailure(qint64 size)
{
    return tvk::Failure{
        QT_TRID_NOOP("msg.settings_size"), {}, {}, {QString::number(size), QString::number(kSize)}};
}

QByteArray SettingsRecord::encode() const
{
    QByteArray bytes(kSize, '\0');
    auto *image = reinterpret_cast<uchar *>(bytes.data());
    visitSettingsFields(*this, [image](const char *, const auto &field, std::size_t offset) {
        store(image, offset, field);
    });
    return bytes;
}
