#pragma once

#include <QString>

#include <cstddef>

// Text fields of the camera's records: UTF-8 up to the first NUL or the end of the array;
// written as at most N bytes (cut even inside a character) and NUL-padded, with no terminator
// when the text fills it.
QString recordTextFromBytes(const char *bytes, qsizetype size);
void setRecordTextBytes(char *bytes, qsizetype size, const QString &text);
template <std::size_t N> QString recordText(const char (&bytes)[N])
{
    return recordTextFromBytes(bytes, N);
}
template <std::size_t N> void setRecordText(char (&bytes)[N], const QString &text)
{
    setRecordTextBytes(bytes, N, text);
}
