#pragma once

#include <QList>
#include <QPointF>
#include <QStringList>
#include <QUrl>
#include <QWebEngineView>

class MapPageChannel;
struct DriveLines;
struct TileServer;

// The route map page in a web view, driven by script calls. Calls made before the page has
// loaded wait for it: the first position of a recording comes right after start-up.
class MapView : public QWebEngineView
{
    Q_OBJECT

public:
    explicit MapView(QWidget *parent = nullptr);

    static QUrl pageUrl();

    // (Re)loads the map page; the constructor already does.
    void loadMapPage();

    // Moves the marker to a place in decimal degrees.
    void moveMarker(double latitude, double longitude);
    // Passes a diagnostic text to the page's console.
    void debug(const QString &text);
    // Shows or hides the page's notice that the recording has no GPS data.
    void setNoGps(bool on);
    // The whole route of a recording; x is the longitude, y the latitude, in decimal degrees.
    // An empty list clears the route.
    void setRoute(const QList<QPointF> &points);

    // The place the user asked about, with a circle of the radius searched; no radius clears it.
    void showPlace(double lat, double lng, double radiusMetres);
    void clearPlace();
    // The offer a click on the map makes; an empty text makes clicks offer nothing.
    void setPlaceOffer(const QString &text);
    // Every drive of the card at once, each in its own colour; an empty list takes them away.
    void setAllDrives(const QList<DriveLines> &drives);

    // The object the page reaches the program through.
    MapPageChannel *pageChannel() const { return m_channel; }

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

    static QString markerScript(double latitude, double longitude);
    static QString debugScript(const QString &text);
    // The page's own words in the interface language.
    static QString textsScript();
    static QString routeScript(const QList<QPointF> &points);
    static QString allDrivesScript(const QList<DriveLines> &drives);
    // A text as a script string literal, safe inside any call.
    static QString quoted(const QString &text);

signals:
    // Each script text at the moment it is run in the page.
    void scriptSent(const QString &script);
    // The user chose "Recordings here" at this place.
    void recordingsHereRequested(double lat, double lng);

private:
    void call(const QString &script);
    void run(const QString &script);
    void pageLoadFinished(bool ok);
    void addMapActions();

    QStringList m_pending;
    QString m_lastScript;
    bool m_loaded = false;
    MapPageChannel *m_channel = nullptr;
};
