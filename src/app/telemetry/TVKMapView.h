#pragma once

#include <QList>
#include <QPointF>
#include <QStringList>
#include <QUrl>
#include <QWebEngineView>

struct TileServer;

// The route map page in a web view, driven by script calls. Calls made before the page has
// loaded wait for it: the first position of a recording comes right after start-up.
class TVKMapView : public QWebEngineView
{
    Q_OBJECT

public:
    explicit TVKMapView(QWidget *parent = nullptr);

    static QUrl pageUrl();

    // (Re)loads the map page; the constructor already does.
    void loadMapPage();

    // Moves the marker. The page takes the longitude first: setLatLag('lng','lat').
    void setLatLag(double lat, double lng);
    // Passes a diagnostic text to the page's console.
    void debug(const QString &text);
    // Shows or hides the page's notice that the recording has no GPS data.
    void setNoGps(bool on);
    // The whole route of a recording; x is the longitude, y the latitude, in decimal degrees.
    // An empty list clears the route.
    void setRoute(const QList<QPointF> &points);

    // Runs a call of a page function; like the calls above it waits for the page to load,
    // and only the newest waiting call of each function is kept.
    void callScript(const QString &script) { call(script); }

    // Points every map at `server` and sets the size of the tiles' disk cache.
    static void useTileServer(const TileServer &server);
    // Deletes the tiles kept on disk; a map without network shows its grid again.
    static void clearTileCache();
    // The most the disk cache of tiles may hold, in bytes.
    static qint64 tileCacheLimit();

    bool isPageLoaded() const { return m_loaded; }
    // The last script text run in the page.
    QString lastScript() const { return m_lastScript; }

    static QString latLagScript(double lat, double lng);
    static QString debugScript(const QString &text);
    static QString routeScript(const QList<QPointF> &points);

signals:
    // Each script text at the moment it is run in the page.
    void scriptSent(const QString &script);

private:
    void call(const QString &script);
    void run(const QString &script);
    void pageLoadFinished(bool ok);
    void addMapActions();

    QStringList m_pending;
    QString m_lastScript;
    bool m_loaded = false;
};
