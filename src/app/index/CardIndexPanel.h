#pragma once

#include "core/index/CardIndexer.h"
#include "core/index/drivelines.h"
#include "core/index/passgroups.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>

#include <memory>

class QAbstractButton;
class QLabel;
class QProgressBar;
class RecordingsHereList;
class RouteCache;
class MapView;

// The card's index in the window: it is brought up to date in the background each time a
// folder is shown, with a quiet progress line; then the routes the window draws come from it,
// a click on the map finds the recordings that passed there, and the map can show every drive
// of the card at once. The widgets are made here and placed by the window.
class CardIndexPanel : public QObject
{
    Q_OBJECT
public:
    // `host` parents the widgets until the window places them; `cacheFolder` empty: the
    // user's cache.
    CardIndexPanel(MapView *map, QWidget *host, const QString &cacheFolder = {},
                   QObject *parent = nullptr);
    ~CardIndexPanel() override;

    // Routes handed over from the index once it is current, for the trips and the exports.
    void setRouteCache(std::shared_ptr<RouteCache> cache) { m_routes = std::move(cache); }

    // A folder is shown: its index is brought up to date.
    void setFolder(const QString &folder);
    // The recordings that passed within the search radius of a place.
    void searchPlace(double latitude, double longitude);
    void setAllDrivesShown(bool shown);

    QWidget *progressLine() const { return m_progressLine; }
    QWidget *passPanel() const { return m_passPanel; }
    RecordingsHereList *passList() const { return m_list; }
    QAbstractButton *allDrivesButton() const { return m_allDrives; }
    CardIndexer *indexer() const { return m_indexer; }
    const QString &folder() const { return m_folder; }

signals:
    // Play this recording from this moment.
    void playRequested(const QString &path, double offsetSeconds);
    // The index of the folder shown is current.
    void indexCurrent(const QString &folder);
    void passesShown(const QList<PassGroup> &passes);
    void drivesShown(qsizetype drives);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the map keeps of the area it shares with the pass list: room for its offline
    // notice, its zoom buttons and a band of grid labels.
    static constexpr int kMapKeepsPercent = 45;
    static constexpr int kMapKeepsPixels = 96;

    void fitPassPanel();
    void showProgress(qsizetype done, qsizetype total);
    void indexFinished(const QString &folder);
    void indexFailed(const QString &folder, const tvk::Failure &failure);
    void loadDrives();

    MapView *m_map;
    QString m_cacheFolder;
    QString m_folder;
    CardIndexer *m_indexer;
    std::shared_ptr<RouteCache> m_routes;
    QWidget *m_progressLine;
    QLabel *m_progressText;
    QProgressBar *m_progressBar;
    QWidget *m_passPanel;
    QPointer<QWidget> m_watchedArea;
    QLabel *m_passTitle;
    RecordingsHereList *m_list;
    QAbstractButton *m_allDrives;
    QFutureWatcher<QList<PassGroup>> *m_search = nullptr;
    QFutureWatcher<QList<DriveLines>> *m_drives = nullptr;
};
