#include "core/player/timereadout.h"

qint64 shownRemainingTime(qint64 time, qint64 length)
{
    if (length <= 0 || time >= length)
        return 0;
    return -((length - time + 999) / 1000) * 1000;
}
