#pragma once

#include "core/clip/ClipMarks.h"
#include "core/common/result.h"
#include "core/route/recordingtelemetry.h"
#include "core/route/routeexport.h"
#include "core/trips/trips.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QMenu;
class QProgressDialog;
class QWidget;

// The player window's exports, from a menu on a head-bar button: the route of the playing
// recording or of its whole trip as GPX or KML, the evidence folder of the playing pair,
// written off the interface thread behind a busy sign, and a clip of the pair.
class ExportActions : public QObject
{
    Q_OBJECT
public:
    // What is playing: the recording's path (empty: none) and the trip holding it.
    struct Source
    {
        std::function<QString()> recording;
        std::function<std::optional<Trip>()> trip;
        // Whether the playing recording has a route to export (none: assumed so).
        std::function<bool()> hasRoute;
        // The in and out marks on the position slider (none: not marked).
        std::function<clip::Marks()> marks = {};
    };
    ExportActions(QWidget *window, Source source, std::shared_ptr<RouteCache> cache,
                  QObject *parent = nullptr);

    QMenu *menu() const { return m_menu; }

    // Writes the route of the playing recording, or of its trip, to `path` in the background:
    // KML for a name ending in .kml, GPX otherwise. Tells of a failure in an alert.
    void startRouteExport(bool wholeTrip, const QString &path);
    bool isWritingRoute() const { return m_route != nullptr; }
    // Writes the evidence folder `out` of the playing recording in the background.
    void startEvidence(const QString &out);
    bool isWritingEvidence() const { return m_evidence != nullptr; }

    // The dialogs of the menu's entries.
    void chooseRouteFile(bool wholeTrip);
    void chooseEvidenceFolder();
    // The clip dialog for the playing recording and its partner.
    void chooseClip();

signals:
    // The evidence folder is written, or the failure that stopped it.
    void evidenceFinished(const QString &out, const tvk::Result<void> &result);
    // The route file is written, or the failure that stopped it.
    void routeFinished(const QString &path, const tvk::Result<void> &result);

private:
    // What a route export takes from the window, for a worker to read and write.
    struct RouteJob
    {
        QList<MediaFile> recordings;
        QString trackName;
        bool wholeTrip = false;
    };
    std::optional<RouteJob> routeJob(bool wholeTrip) const;
    static tvk::Result<void> writeRoute(RouteCache &cache, const RouteJob &job,
                                        const QString &path);
    void routeDone(const QString &path);
    void updateMenu();
    void evidenceDone(const QString &out);
    QString startFolder() const;

    QWidget *m_window;
    Source m_source;
    std::shared_ptr<RouteCache> m_cache;
    QMenu *m_menu;
    QFutureWatcher<tvk::Result<void>> *m_evidence = nullptr;
    QFutureWatcher<tvk::Result<void>> *m_route = nullptr;
    QPointer<QProgressDialog> m_busy;
};
