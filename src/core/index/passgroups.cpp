#include "core/index/passgroups.h"

#include <array>
#include <cmath>

QList<PassGroup> groupPasses(const QList<PlacePass> &passes, double gapSeconds)
{
    QList<PassGroup> groups;
    for (const PlacePass &pass : passes) {
        if (!groups.isEmpty()) {
            PassGroup &last = groups.last();
            const PlacePass &before = last.stretches.last();
            const bool timed = before.time.isValid() && pass.time.isValid();
            const double gap = timed ? double(before.time.msecsTo(pass.time)) / 1000 : -1;
            if (timed && pass.path != before.path && gap >= 0 && gap <= gapSeconds) {
                last.stretches.append(pass);
                if (pass.distanceMetres < last.best().distanceMetres)
                    last.closest = last.stretches.size() - 1;
                continue;
            }
        }
        groups.append({{pass}, 0});
    }
    return groups;
}

const char *compassKey(double heading)
{
    static constexpr std::array<const char *, 8> kKeys = {
        "index.compass_n", "index.compass_ne", "index.compass_e", "index.compass_se",
        "index.compass_s", "index.compass_sw", "index.compass_w", "index.compass_nw"};
    if (!std::isfinite(heading))
        return "index.compass_unknown";
    double degrees = std::fmod(heading, 360.0);
    if (degrees < 0)
        degrees += 360;
    return kKeys[size_t(std::lround(degrees / 45.0)) % kKeys.size()];
}
