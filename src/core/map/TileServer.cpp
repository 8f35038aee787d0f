#include "core/map/TileServer.h"

#include "core/common/cformat.h"

#include <QSettings>
#include <QUrl>

#include <algorithm>

namespace tileserver {

tvk::Result<QString> checkedUrlTemplate(const QString &text)
{
    const QString url = text.trimmed();
    if (url.isEmpty())
        return QString();
    for (const char *place : {"{z}", "{x}", "{y}"}) {
        if (!url.contains(QLatin1String(place)))
            return tvk::Failure{QT_TRID_NOOP("map.tile_url_places"), url};
    }
    // The places stand for numbers; what remains must be a plain web address.
    QString sample = url;
    sample.replace(QLatin1String("{z}"), QLatin1String("1"))
        .replace(QLatin1String("{x}"), QLatin1String("1"))
        .replace(QLatin1String("{y}"), QLatin1String("1"))
        .replace(QLatin1String("{s}"), QLatin1String("a"));
    const QUrl parsed(sample, QUrl::StrictMode);
    const QString scheme = parsed.scheme().toLower();
    if (!parsed.isValid() || parsed.host().isEmpty() ||
        (scheme != QLatin1String("https") && scheme != QLatin1String("http")) ||
        sample.contains(u'{') || sample.contains(u'}'))
        return tvk::Failure{QT_TRID_NOOP("map.tile_url_invalid"), url};
    return url;
}

TileServer load(const QSettings &settings)
{
    TileServer server;
    const auto url = checkedUrlTemplate(settings.value(QLatin1String(kUrlKey)).toString());
    if (url && !url->isEmpty()) {
        server.urlTemplate = *url;
        server.attribution = settings.value(QLatin1String(kAttributionKey)).toString().trimmed();
    }
    bool number = false;
    const int megabytes = settings.value(QLatin1String(kCacheKey)).toInt(&number);
    if (number)
        server.cacheMegabytes =
            std::clamp(megabytes, TileServer::kMinCacheMegabytes, TileServer::kMaxCacheMegabytes);
    return server;
}

tvk::Result<void> store(QSettings &settings, const TileServer &server)
{
    const auto url = checkedUrlTemplate(server.urlTemplate);
    if (!url)
        return url.failure();
    if (url->isEmpty()) {
        settings.remove(QLatin1String(kUrlKey));
        settings.remove(QLatin1String(kAttributionKey));
    } else {
        settings.setValue(QLatin1String(kUrlKey), *url);
        settings.setValue(QLatin1String(kAttributionKey), server.attribution.trimmed());
    }
    settings.setValue(QLatin1String(kCacheKey),
                      std::clamp(server.cacheMegabytes, TileServer::kMinCacheMegabytes,
                                 TileServer::kMaxCacheMegabytes));
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return tvk::Failure{QT_TRID_NOOP("map.settings_unsaved"), settings.fileName()};
    return {};
}

QString scriptQuoted(const QString &text)
{
    QString quoted;
    quoted.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // Besides the quote and the backslash, line ends would end the literal and "</" could
        // end a script element of a page that inlines the call.
        if (u == u'\\' || u == u'\'' || u == u'"' || u == u'<' || u == u'>' || u < 0x20 ||
            u == 0x7f || u == 0x2028 || u == 0x2029)
            quoted += tvk::cformat("\\u%04x", static_cast<unsigned>(u));
        else
            quoted += c;
    }
    return quoted;
}

QString script(const TileServer &server)
{
    return QStringLiteral("setTileServer('%1', '%2')")
        .arg(scriptQuoted(server.urlTemplate), scriptQuoted(server.attribution));
}

} // namespace tileserver
