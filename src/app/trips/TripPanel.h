#pragma once

#include "app/trips/TripList.h"
#include "core/trips/trips.h"

#include <QList>
#include <QObject>
#include <QPointer>

class GraphView;
class QAbstractButton;
class QLabel;
class QSlider;
class QWidget;
class MapView;
class ClockReadout;
class ExportActions;
class MediaList;
class Playback;
class ClockWindow;
class TripRouteLayer;

// What the player window shows of drives: the list by trip, the whole trip on the map, the
// exports, the camera's clock against the GPS time and the card's G-sensor thresholds on the
// graph. Follows the catalogue and the playing recording.
class TripPanel : public QObject
{
    Q_OBJECT
public:
    // The window's widgets it fills and follows; the window places them.
    struct Widgets
    {
        QWidget *window; // dialogs of the exports open over it
        MapView *map;
        GraphView *graph;
        QLabel *clockLine;
        QAbstractButton *exportButton;
        TripList::Widgets list;
        QList<QSlider *> positionSliders; // where the clip's marks are set and shown
    };
    TripPanel(const Widgets &widgets, MediaList *mediaList, Playback *playback,
              QObject *parent = nullptr);

    TripList *tripList() const { return m_list; }
    TripRouteLayer *routeLayer() const { return m_layer; }
    ClockReadout *clockReadout() const { return m_clock; }
    ExportActions *exportActions() const { return m_export; }

    // The window shows a new catalogue.
    void catalogueChanged();
    // The clock window opens: it proposes the corrected time when the card's clock is off.
    void proposeClockCorrection(ClockWindow *clockWindow) const;

private:
    QString playingPath() const;
    void showTripOf(const QString &path);
    void showChosenTrip(int trip);

    GraphView *m_graph;
    MediaList *m_mediaList;
    QPointer<Playback> m_playback; // goes before the window does
    TripList *m_list;
    TripRouteLayer *m_layer;
    ClockReadout *m_clock;
    ExportActions *m_export;
};
