#pragma once

#include <QString>

// True for a missing (null) or empty string.
inline bool isEmptyString(const QString &text)
{
    return text.isEmpty();
}
