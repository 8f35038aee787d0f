#include "core/common/cformat.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace tvk {

QString cformat(const char *format, ...)
{
    char small[256];
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (needed < 0) {
        va_end(copy);
        return {};
    }
    if (static_cast<size_t>(needed) < sizeof small) {
        va_end(copy);
        return QString::fromUtf8(small, needed);
    }
    std::vector<char> large(static_cast<size_t>(needed) + 1);
    std::vsnprintf(large.data(), large.size(), format, copy);
    va_end(copy);
    return QString::fromUtf8(large.data(), needed);
}

} // namespace tvk
