#pragma once

#include "core/trips/trips.h"

#include <QFutureWatcher>
#include <QObject>

class QAbstractButton;
class QAbstractItemView;
class QTreeView;
class MediaList;
class Playback;
class TripListModel;

// The player window's list by trip: a tree over the catalogue laid over the flat list, switched
// by a button beside the list and map buttons. The flat list is the default; the choice is kept
// for the next start. Trips are grouped off the interface thread (the grouping reads every
// recording's header) and replace the tree in one step.
class TripList : public QObject
{
    Q_OBJECT
public:
    // The window's widgets: the tree laid over the flat list, and the switch between them.
    struct Widgets
    {
        QTreeView *tree;
        QAbstractButton *byTripSwitch;
        QAbstractItemView *flatList;
    };
    TripList(const Widgets &widgets, MediaList *mediaList, Playback *playback,
             QObject *parent = nullptr);

    bool isByTrip() const { return m_byTrip; }
    void setByTrip(bool on);
    QTreeView *view() const { return m_view; }
    QAbstractButton *switchButton() const { return m_switch; }
    TripListModel *model() const { return m_model; }
    bool isGrouping() const { return m_watcher != nullptr; }

    // The catalogue was published: its trips are grouped again.
    void catalogueChanged();
    // The trip holding the recording at `path`; -1 when none (or not grouped yet).
    int tripOfPath(const QString &path) const;
    const QList<Trip> &trips() const;

    static constexpr char kByTripKey[] = "player/listByTrip";

signals:
    // The trips of the catalogue on screen are known.
    void tripsPublished();
    // The user picked a trip's row.
    void tripChosen(int trip);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void publish(QFutureWatcher<QList<Trip>> *watcher, const QList<MediaFile> &medias);
    void updateVisibility();
    void followPlayback(qint64 row);
    void activated(const QModelIndex &index);
    void selectionChanged();

    QAbstractItemView *m_flatList;
    MediaList *m_mediaList;
    Playback *m_playback;
    TripListModel *m_model;
    QTreeView *m_view;
    QAbstractButton *m_switch;
    QFutureWatcher<QList<Trip>> *m_watcher = nullptr;
    bool m_byTrip = false;
    bool m_following = false; // the selection follows playback, not the user
};
