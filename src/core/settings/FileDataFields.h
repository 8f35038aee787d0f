#pragma once

#include "core/settings/FileData.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <cstddef>

enum class FileDataFieldType { U16, U32, I32, Text, Words };

struct FileDataField
{
    QString name;
    qsizetype offset;
    qsizetype size;
    FileDataFieldType type;
};

// Every field of the record in record order.
const QList<FileDataField> &fileDataFields();
const FileDataField *findFileDataField(const QString &name);

// The field's value: an integer (qint64) for numbers, the text for text fields, a list of
// integers for dummy00. Invalid for an unknown name.
QVariant fileDataFieldValue(const SettingsRecord &record, const QString &name);

// Stores an integer into a number field. False for an unknown name, a text field, or a value
// that does not fit the field's type.
bool setFileDataFieldInteger(SettingsRecord &record, const QString &name, qint64 value);
