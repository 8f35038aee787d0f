#pragma once

#include "core/common/result.h"

#include <QString>

class QSettings;

// Where the map fetches its tiles and how much of them it keeps on disk. Users who run their
// own tile server name it here; the default is the public one the page was made for.
struct TileServer
{
    // "https://host/{z}/{x}/{y}.png"; empty means the default server.
    QString urlTemplate;
    // Plain text naming the tiles' source; shown under the map as text, never as markup.
    QString attribution;
    // The disk cache of tiles already seen, in megabytes.
    int cacheMegabytes = kDefaultCacheMegabytes;

    static constexpr int kDefaultCacheMegabytes = 200;
    static constexpr int kMinCacheMegabytes = 10;
    static constexpr int kMaxCacheMegabytes = 2000; // the web engine counts in int bytes

    bool isDefault() const { return urlTemplate.isEmpty(); }
    bool operator==(const TileServer &other) const = default;
};

namespace tileserver {

inline constexpr char kUrlKey[] = "map/tileUrl";
inline constexpr char kAttributionKey[] = "map/tileAttribution";
inline constexpr char kCacheKey[] = "map/cacheMegabytes";

// The address as the user typed it, checked: http or https, a host, and the three places
// {z}, {x} and {y}; an empty text asks for the default server.
tvk::Result<QString> checkedUrlTemplate(const QString &text);

// The stored choice; whatever was stored and no longer passes the check counts as the default,
// and a cache size outside the limits is brought inside them.
TileServer load(const QSettings &settings);
tvk::Result<void> store(QSettings &settings, const TileServer &server);

// The page call that points the map at the server: setTileServer('url', 'attribution'), both
// quoted for a script string; the default server gives setTileServer('', '').
QString script(const TileServer &server);

// `text` as the body of a single-quoted script string.
QString scriptQuoted(const QString &text);

} // namespace tileserver
