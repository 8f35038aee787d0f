#pragma once

#include <QString>

namespace tvk {

// A counted text ("%n file" / "%n files"): the string table's plural form for `count`.
QString countText(const char *key, int count);

} // namespace tvk
