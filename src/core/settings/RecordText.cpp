#include "core/settings/RecordText.h"

#include <QByteArray>

#include <algorithm>

QString recordTextFromBytes(const char *bytes, qsizetype size)
{
    const auto *end = std::find(bytes, bytes + size, '\0');
    return QString::fromUtf8(bytes, end - bytes);
}

void setRecordTextBytes(char *bytes, qsizetype size, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    const qsizetype count = std::min(size, utf8.size());
    std::fill(bytes, bytes + size, '\0');
    std::copy(utf8.constData(), utf8.constData() + count, bytes);
}
