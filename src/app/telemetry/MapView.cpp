#include "app/telemetry/MapView.h"

#include "app/telemetry/MapPageChannel.h"
#include "app/telemetry/MapSettingsDialog.h"
#include "core/common/cformat.h"
#include "core/common/strings.h"
#include "core/index/drivelines.h"
#include "core/map/TileServer.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QSettings>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include <cmath>
#include <utility>

namespace {

// One profile for every map view: its disk cache keeps the tiles already seen for the times
// without network, and its agent names the application, as the tile servers ask.
QWebEngineProfile *mapProfile()
{
    static QWebEngineProfile *profile = [] {
        auto *made = new QWebEngineProfile(QStringLiteral("map"), QCoreApplication::instance());
        QString agent = made->httpUserAgent() + QStringLiteral(" TavikViewer");
        if (!QCoreApplication::applicationVersion().isEmpty())
            agent += QLatin1Char('/') + QCoreApplication::applicationVersion();
        made->setHttpUserAgent(agent);
        made->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
        made->setHttpCacheMaximumSize(
            int(qint64(tileserver::load(QSettings()).cacheMegabytes) * 1024 * 1024));
        return made;
    }();
    return profile;
}

// Keeps the view on its own page: links of the attribution open in the desktop's browser,
// and nothing else (a dropped file, a stray link) may replace the map.
class MapPage : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (!isMainFrame || url.scheme() == QLatin1String("qrc"))
            return true;
        if (type == NavigationTypeLinkClicked &&
            (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http")))
            QDesktopServices::openUrl(url);
        return false;
    }
};

// The name of the page function a script calls, for replacing a waiting call by a newer one.
QStringView functionOf(const QString &script)
{
    return QStringView(script).left(script.indexOf(QLatin1Char('(')));
}

} // namespace

MapView::MapView(QWidget *parent) : QWebEngineView(parent)
{
    auto *mapPage = new MapPage(mapProfile(), this);
    mapPage->setBackgroundColor(QColor(0x1a, 0x1f, 0x26));
    setPage(mapPage);
    // Only this one object is published to the page.
    m_channel = new MapPageChannel(this);
    auto *channel = new QWebChannel(this);
    channel->registerObject(QString::fromLatin1(MapPageChannel::kName), m_channel);
    mapPage->setWebChannel(channel);
    connect(m_channel, &MapPageChannel::recordingsHereRequested, this,
            &MapView::recordingsHereRequested);
    setAccessibleName(tvk::text("map.view_name"));
    addMapActions();
    connect(this, &QWebEngineView::loadStarted, this, [this] { m_loaded = false; });
    connect(this, &QWebEngineView::loadFinished, this, &MapView::pageLoadFinished);
    loadMapPage();
}

QUrl MapView::pageUrl()
{
    return QUrl(QStringLiteral("qrc:/map/map2_eng.htm"));
}

void MapView::loadMapPage()
{
    m_loaded = false;
    load(pageUrl());
}

void MapView::addMapActions()
{
    // The page's own menu (back, reload, inspect) has no use on a map; its settings have.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *settings = new QAction(tvk::text("map.settings_action"), this);
    settings->setObjectName(QStringLiteral("mapSettingsAction"));
    connect(settings, &QAction::triggered, this, [this] {
        auto *dialog = new MapSettingsDialog(window());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &MapSettingsDialog::tileServerChosen, this, &MapView::useTileServer);
        connect(dialog, &MapSettingsDialog::cacheClearRequested, this, &MapView::clearTileCache);
        dialog->open();
    });
    auto *clear = new QAction(tvk::text("map.clear_cache"), this);
    clear->setObjectName(QStringLiteral("clearMapCacheAction"));
    connect(clear, &QAction::triggered, this, &MapView::clearTileCache);
    addActions({settings, clear});
}

void MapView::useTileServer(const TileServer &server)
{
    mapProfile()->setHttpCacheMaximumSize(int(qint64(server.cacheMegabytes) * 1024 * 1024));
    const auto widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (auto *view = qobject_cast<MapView *>(widget))
            view->call(tileserver::script(server));
    }
}

void MapView::clearTileCache()
{
    mapProfile()->clearHttpCache();
}

qint64 MapView::tileCacheLimit()
{
    return mapProfile()->httpCacheMaximumSize();
}

void MapView::moveMarker(double latitude, double longitude)
{
    call(markerScript(latitude, longitude));
}

void MapView::debug(const QString &text)
{
    call(debugScript(text));
}

void MapView::setNoGps(bool on)
{
    call(on ? QStringLiteral("setNoGps(true)") : QStringLiteral("setNoGps(false)"));
}

void MapView::setRoute(const QList<QPointF> &points)
{
    call(routeScript(points));
}

QString MapView::markerScript(double latitude, double longitude)
{
    return tvk::cformat("moveMarker('%lf','%lf')", latitude, longitude);
}

QString MapView::textsScript()
{
    return QStringLiteral("setTexts({offline: %1, noGps: %2, event: %3})")
        .arg(quoted(tvk::text("map.offline_note")), quoted(tvk::text("map.no_gps")),
             quoted(tvk::text("map.event_label")));
}

QString MapView::debugScript(const QString &text)
{
    return QStringLiteral("showDebugText(%1)").arg(quoted(text));
}

QString MapView::quoted(const QString &text)
{
    QString literal;
    literal.reserve(text.size() + 2);
    literal += QLatin1Char('\'');
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'\'') {
            literal += QLatin1Char('\\');
            literal += c;
        } else if (u < 0x20 || u == 0x7f || u == 0x2028 || u == 0x2029) {
            // Line ends would end the string literal; other controls are kept but escaped.
            literal += tvk::cformat("\\u%04x", static_cast<unsigned>(u));
        } else {
            literal += c;
        }
    }
    literal += QLatin1Char('\'');
    return literal;
}

namespace {

// "[[lat,lng],...]" for the page; a non-number would make the whole call a script error and
// lose the route, so such points are left out.
QString pointArray(const QList<QPointF> &points)
{
    QString array = QStringLiteral("[");
    bool first = true;
    for (const QPointF &point : points) {
        if (!std::isfinite(point.x()) || !std::isfinite(point.y()))
            continue;
        if (!first)
            array += QLatin1Char(',');
        first = false;
        array += tvk::cformat("[%.6f,%.6f]", point.y(), point.x());
    }
    return array + QLatin1Char(']');
}

} // namespace

QString MapView::routeScript(const QList<QPointF> &points)
{
    return QStringLiteral("setRoute(") + pointArray(points) + QLatin1Char(')');
}

void MapView::showPlace(double lat, double lng, double radiusMetres)
{
    if (!std::isfinite(lat) || !std::isfinite(lng) || !std::isfinite(radiusMetres))
        return;
    call(tvk::cformat("showPlace(%.7f,%.7f,%.1f)", lat, lng, radiusMetres));
}

void MapView::clearPlace()
{
    call(QStringLiteral("showPlace(null)"));
}

void MapView::setPlaceOffer(const QString &text)
{
    call(QStringLiteral("setPlaceOffer(%1)").arg(quoted(text)));
}

void MapView::setAllDrives(const QList<DriveLines> &drives)
{
    call(allDrivesScript(drives));
}

QString MapView::allDrivesScript(const QList<DriveLines> &drives)
{
    if (drives.isEmpty())
        return QStringLiteral("setAllDrives(null)");
    QString script = QStringLiteral("setAllDrives([");
    for (qsizetype d = 0; d < drives.size(); ++d) {
        if (d > 0)
            script += QLatin1Char(',');
        script += QStringLiteral("{label:%1,lines:[").arg(quoted(drives[d].start));
        bool firstLine = true;
        for (const QList<QPointF> &line : drives[d].lines) {
            if (!firstLine)
                script += QLatin1Char(',');
            firstLine = false;
            script += pointArray(line);
        }
        script += QStringLiteral("]}");
    }
    script += QStringLiteral("])");
    return script;
}

void MapView::call(const QString &script)
{
    if (m_loaded) {
        run(script);
        return;
    }
    // Only the newest call of each kind matters while waiting; a page that never loads must
    // not make the queue grow with every position.
    const QStringView function = functionOf(script);
    m_pending.removeIf(
        [function](const QString &waiting) { return functionOf(waiting) == function; });
    m_pending.append(script);
}

void MapView::run(const QString &script)
{
    m_lastScript = script;
    page()->runJavaScript(script);
    emit scriptSent(script);
}

void MapView::pageLoadFinished(bool ok)
{
    if (!ok)
        return;
    m_loaded = true;
    run(textsScript());
    // A server of the user's own replaces the default one before anything is drawn.
    if (const TileServer server = tileserver::load(QSettings()); !server.isDefault())
        run(tileserver::script(server));
    const QStringList waiting = std::exchange(m_pending, {});
    for (const QString &script : waiting)
        run(script);
}
