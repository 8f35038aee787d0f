#include "core/card/ByteCount.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

void formatByteCount(char (&out)[7], quint64 bytes)
{
    static constexpr char kUnits[] = "kMGTPEZY";
    char text[32];
    if (bytes < 1024) {
        std::snprintf(text, sizeof text, "%llu B", static_cast<unsigned long long>(bytes));
    } else {
        quint64 n = bytes;
        quint64 r = 0;
        quint64 before = 0;
        bool sticky = false; // an earlier division left a remainder: ties round up
        int divisions = 0;
        do {
            if (r != 0)
                sticky = true;
            before = n;
            r = n % 1024;
            n /= 1024;
            ++divisions;
        } while (before > 1048575 && divisions < 8);
        const char unit = kUnits[divisions - 1];
        if (before <= 10239) {
            quint64 d = 0;
            if (r >= 950) {
                ++n;
            } else {
                d = r / 100;
                if (r % 100 > 50 || (r % 100 == 50 && ((d & 1) != 0 || sticky)))
                    ++d;
            }
            if (n == 10)
                std::snprintf(text, sizeof text, "10 %cB", unit);
            else
                std::snprintf(text, sizeof text, "%llu.%llu %cB",
                              static_cast<unsigned long long>(n),
                              static_cast<unsigned long long>(d), unit);
        } else {
            if (r > 512 || (r == 512 && ((n & 1) != 0 || sticky)))
                ++n;
            if (n == 1024 && divisions < 8)
                std::snprintf(text, sizeof text, "1.0 %cB", kUnits[divisions]);
            else
                std::snprintf(text, sizeof text, "%llu %cB", static_cast<unsigned long long>(n),
                              unit);
        }
    }
    // Six characters at most: "1000 MB" loses its B.
    std::memset(out, 0, sizeof out);
    std::memcpy(out, text, std::min(std::strlen(text), sizeof out - 1));
}

QString byteCountString(quint64 bytes)
{
    char text[7] = {};
    formatByteCount(text, bytes);
    return QString::fromLatin1(text);
}
