#include "core/settings/FileDataFields.h"

#include "core/settings/RecordText.h"

#include <limits>
#include <type_traits>

namespace {

template <class T> constexpr FileDataFieldType typeOf()
{
    if constexpr (std::is_same_v<T, quint16>)
        return FileDataFieldType::U16;
    else if constexpr (std::is_same_v<T, quint32>)
        return FileDataFieldType::U32;
    else if constexpr (std::is_same_v<T, qint32>)
        return FileDataFieldType::I32;
    else if constexpr (std::is_same_v<std::remove_extent_t<T>, char>)
        return FileDataFieldType::Text;
    else
        return FileDataFieldType::Words;
}

} // namespace

const QList<FileDataField> &fileDataFields()
{
    static const QList<FileDataField> fields = [] {
        QList<FileDataField> list;
        const SettingsRecord record{};
        visitSettingsFields(record,
                            [&list](const char *name, const auto &field, std::size_t offset) {
                                using T = std::remove_cvref_t<decltype(field)>;
                                list.append({QLatin1String(name), static_cast<qsizetype>(offset),
                                             static_cast<qsizetype>(sizeof(T)), typeOf<T>()});
                            });
        return list;
    }();
    return fields;
}

const FileDataField *findFileDataField(const QString &name)
{
    for (const FileDataField &field : fileDataFields()) {
        if (field.name == name)
            return &field;
    }
    return nullptr;
}

QVariant fileDataFieldValue(const SettingsRecord &record, const QString &name)
{
    QVariant value;
    bool found = false;
    visitSettingsFields(record, [&](const char *fieldName, const auto &field, std::size_t) {
        if (found || name != QLatin1String(fieldName))
            return;
        found = true;
        using T = std::remove_cvref_t<decltype(field)>;
        if constexpr (std::is_integral_v<T>) {
            value = static_cast<qint64>(field);
        } else if constexpr (std::is_same_v<std::remove_extent_t<T>, char>) {
            value = recordText(field);
        } else {
            QVariantList words;
            for (const auto word : field)
                words.append(static_cast<qint64>(word));
            value = words;
        }
    });
    return value;
}

bool setFileDataFieldInteger(SettingsRecord &record, const QString &name, qint64 value)
{
    bool stored = false;
    visitSettingsFields(record, [&](const char *fieldName, auto &field, std::size_t) {
        if (stored || name != QLatin1String(fieldName))
            return;
        using T = std::remove_cvref_t<decltype(field)>;
        if constexpr (std::is_integral_v<T>) {
            if (value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max()) {
                field = static_cast<T>(value);
                stored = true;
            }
        }
    });
    return stored;
}
