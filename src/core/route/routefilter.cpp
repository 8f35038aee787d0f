#include "core/route/routefilter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A record may sit a little past the header's length: the last second is not a whole frame.
constexpr qint64 kRecordSlackMs = 2000;
constexpr qint64 kLongestRecordingMs = 24ll * 3600 * 1000;
// The camera's clock against the GPS time: the clock drifts by seconds over a drive, names
// are stamped to the second; a date years off is another matter.
constexpr qint64 kClockSlackMs = 120 * 1000;
// Faster than any car, and the scatter of a receiver standing still.
constexpr double kMaxMetresPerSecond = 100;
constexpr double kScatterMetres = 100;
// Chains of fixes that can follow one another; a new fix is tried on the newest few.
constexpr qsizetype kChainsTried = 16;

// Far more than the rounding of a chord through the earth.
constexpr double kChordSlackMetres = 1;

struct Item
{
    qsizetype piece = 0;
    qsizetype index = 0;
    qint64 cameraMs = 0;
    bool located = false;
    double x = 0, y = 0, z = 0; // the fix on the unit sphere, once located

    void locate(const RoutePoint &p)
    {
        if (located)
            return;
        constexpr double radians = M_PI / 180;
        const double latitude = p.latitude * radians, longitude = p.longitude * radians;
        x = std::cos(latitude) * std::cos(longitude);
        y = std::cos(latitude) * std::sin(longitude);
        z = std::sin(latitude);
        located = true;
    }
};

double reachMetres(const Item &from, const Item &to)
{
    const double seconds = double(std::abs(to.cameraMs - from.cameraMs)) / 1000;
    return kScatterMetres + kMaxMetresPerSecond * seconds;
}

bool reachable(const RoutePoint &from, const Item &fromItem, const RoutePoint &to,
               const Item &toItem)
{
    return distanceMetres(from, to) <= reachMetres(fromItem, toItem);
}

// The same for a fix tried on older chains, which mostly are far: the chord through the earth
// is never longer than the way over it, so a fix a chord too far is out of reach without the
// great circle's trigonometry (most of a card's trip time when fixes jump).
bool reachableFar(const RoutePoint &from, Item &fromItem, const RoutePoint &to, Item &toItem)
{
    fromItem.locate(from);
    toItem.locate(to);
    const double dx = fromItem.x - toItem.x, dy = fromItem.y - toItem.y, dz = fromItem.z - toItem.z;
    if (kEarthRadiusMetres * std::sqrt(dx * dx + dy * dy + dz * dz) >
        reachMetres(fromItem, toItem) + kChordSlackMetres)
        return false;
    return reachable(from, fromItem, to, toItem);
}

// The pieces' points on the camera's clock, in time order, each moment once: a piece only
// adds what comes after everything taken before it.
QList<Item> cameraOrder(const QList<RoutePiece> &pieces)
{
    QList<QList<Item>> perPiece(pieces.size());
    for (qsizetype p = 0; p < pieces.size(); ++p) {
        const RoutePiece &piece = pieces[p];
        const qint64 base = piece.start.isValid() ? piece.start.toMSecsSinceEpoch() : 0;
        const qint64 longest =
            piece.lengthMs > 0 ? piece.lengthMs + kRecordSlackMs : kLongestRecordingMs;
        for (qsizetype i = 0; i < piece.points.size(); ++i) {
            const qint64 recordMs = piece.points[i].recordMs;
            if (recordMs >= 0 && recordMs <= longest)
                perPiece[p].append({p, i, base + recordMs});
        }
        // A record stamped out of turn takes its own place, not its neighbours'.
        std::stable_sort(perPiece[p].begin(), perPiece[p].end(),
                         [](const Item &a, const Item &b) { return a.cameraMs < b.cameraMs; });
    }
    QList<qsizetype> order(pieces.size());
    for (qsizetype p = 0; p < order.size(); ++p)
        order[p] = p;
    const auto firstMs = [&perPiece](qsizetype p) {
        return perPiece[p].isEmpty() ? std::numeric_limits<qint64>::max()
                                     : perPiece[p].first().cameraMs;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&firstMs](qsizetype a, qsizetype b) { return firstMs(a) < firstMs(b); });
    QList<Item> items;
    for (const qsizetype p : std::as_const(order)) {
        for (const Item &item : std::as_const(perPiece[p])) {
            if (items.isEmpty() || item.cameraMs > items.last().cameraMs)
                items.append(item);
        }
    }
    return items;
}

// Drops the fixes whose GPS time strays from the camera's clock further than the median
// of the route does; fixes without a date have nothing to disagree with.
QList<Item> agreeingTimes(const QList<RoutePiece> &pieces, const QList<Item> &items)
{
    QList<qint64> offsets;
    for (const Item &item : items) {
        const QDateTime &utc = pieces[item.piece].points[item.index].utc;
        if (utc.isValid())
            offsets.append(utc.toMSecsSinceEpoch() - item.cameraMs);
    }
    if (offsets.isEmpty())
        return items;
    const auto middle = offsets.begin() + offsets.size() / 2;
    std::nth_element(offsets.begin(), middle, offsets.end());
    const qint64 median = *middle;
    QList<Item> kept;
    for (const Item &item : items) {
        const QDateTime &utc = pieces[item.piece].points[item.index].utc;
        if (!utc.isValid() ||
            std::abs(utc.toMSecsSinceEpoch() - item.cameraMs - median) <= kClockSlackMs)
            kept.append(item);
    }
    return kept;
}

// Splits the route into chains a car can drive and keeps the longest: a fix joins the longest
// of the newest chains that reaches it, or starts one of its own.
QList<Item> longestDrivableChain(const QList<RoutePiece> &pieces, const QList<Item> &items)
{
    QList<QList<Item>> chains;
    const auto pointOf = [&pieces](const Item &item) -> const RoutePoint & {
        return pieces[item.piece].points[item.index];
    };
    for (Item item : items) {
        qsizetype joined = -1;
        bool first = true; // the newest chain: mostly the one the fix continues
        for (qsizetype c = chains.size() - 1; c >= 0 && c >= chains.size() - kChainsTried; --c) {
            if (joined >= 0 && chains[c].size() <= chains[joined].size())
                continue;
            Item &last = chains[c].last();
            const RoutePoint &lastPoint = pointOf(last), &point = pointOf(item);
            const bool reached = first ? reachable(lastPoint, last, point, item)
                                       : reachableFar(lastPoint, last, point, item);
            first = false;
            if (reached)
                joined = c;
        }
        if (joined < 0) {
            chains.append({item});
            continue;
        }
        chains[joined].append(item);
        // The chain just extended is the newest; keep the order by last fix.
        chains.append(chains.takeAt(joined));
    }
    qsizetype best = -1;
    for (qsizetype c = 0; c < chains.size(); ++c) {
        if (best < 0 || chains[c].size() > chains[best].size() ||
            (chains[c].size() == chains[best].size() &&
             chains[c].first().cameraMs < chains[best].first().cameraMs))
            best = c;
    }
    return best < 0 ? QList<Item>() : chains[best];
}

} // namespace

PlausibleRoute plausibleRoute(const QList<RoutePiece> &pieces)
{
    const QList<Item> items =
        longestDrivableChain(pieces, agreeingTimes(pieces, cameraOrder(pieces)));
    PlausibleRoute route;
    route.pieces.resize(pieces.size());
    QList<QList<qsizetype>> keptIndexes(pieces.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        keptIndexes[items[i].piece].append(items[i].index);
        if (i > 0)
            route.kilometres +=
                distanceMetres(pieces[items[i - 1].piece].points[items[i - 1].index],
                               pieces[items[i].piece].points[items[i].index]) /
                1000;
    }
    for (qsizetype p = 0; p < pieces.size(); ++p) {
        std::sort(keptIndexes[p].begin(), keptIndexes[p].end());
        for (const qsizetype index : std::as_const(keptIndexes[p]))
            route.pieces[p].append(pieces[p].points[index]);
    }
    return route;
}
