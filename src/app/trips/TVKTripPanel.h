#pragma once

#include "app/trips/TVKTripList.h"
#include "core/trips/trips.h"

#include <QList>
#include <QObject>
#include <QPointer>

class GraphView;
class QAbstractButton;
class QLabel;
class QSlider;
class QWidget;
class TVKMapView;
class TVKClockReadout;
class TVKExportActions;
class TVKMediaList;
class TVKPlayback;
class TVKTimeSetupController;
class TVKTripRouteLayer;

// What the player window shows of drives: the list by trip, the whole trip on the map, the
// exports, the camera's clock against the GPS time and the card's G-sensor thresholds on the
// graph. Follows the catalogue and the playing recording.
class TVKTripPanel : public QObject
{
    Q_OBJECT
public:
    // The window's widgets it fills and follows; the window places them.
    struct Widgets
    {
        QWidget *window; // dialogs of the exports open over it
        TVKMapView *map;
        GraphView *graph;
        QLabel *clockLine;
        QAbstractButton *exportButton;
        TVKTripList::Widgets list;
        QList<QSlider *> positionSliders; // where the clip's marks are set and shown
    };
    TVKTripPanel(const Widgets &widgets, TVKMediaList *mediaList, TVKPlayback *playback,
                 QObject *parent = nullptr);

    TVKTripList *tripList() const { return m_list; }
    TVKTripRouteLayer *routeLayer() const { return m_layer; }
    TVKClockReadout *clockReadout() const { return m_clock; }
    TVKExportActions *exportActions() const { return m_export; }

    // The window shows a new catalogue.
    void catalogueChanged();
    // The clock window opens: it proposes the corrected time when the card's clock is off.
    void proposeClockCorrection(TVKTimeSetupController *clockWindow) const;

private:
    QString playingPath() const;
    void showTripOf(const QString &path);
    void showChosenTrip(int trip);

    GraphView *m_graph;
    TVKMediaList *m_mediaList;
    QPointer<TVKPlayback> m_playback; // goes before the window does
    TVKTripList *m_list;
    TVKTripRouteLayer *m_layer;
    TVKClockReadout *m_clock;
    TVKExportActions *m_export;
};
