#include "core/player/VideoPlayer.h"

#include "core/common/cformat.h"

#include <cstdlib>

QString timeString(qint64 milliseconds)
{
    const qint64 magnitude = std::llabs(milliseconds);
    const char *sign = milliseconds < 0 ? "-" : "";
    const long long hours = magnitude / 3600000;
    const int minutes = static_cast<int>(magnitude / 60000 % 60);
    const int seconds = static_cast<int>(magnitude / 1000 % 60);
    if (hours > 0)
        return tvk::cformat("%s%lld:%02d:%02d", sign, hours, minutes, seconds);
    return tvk::cformat("%s%02d:%02d", sign, minutes, seconds);
}
