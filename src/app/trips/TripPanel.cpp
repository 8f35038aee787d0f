#include "app/trips/TripPanel.h"

#include "app/card/ClockWindow.h"
#include "app/clip/ClipMarker.h"
#include "app/telemetry/GraphView.h"
#include "app/trips/ClockReadout.h"
#include "app/trips/ExportActions.h"
#include "app/trips/TripList.h"
#include "app/trips/TripRouteLayer.h"
#include "core/catalogue/MediaList.h"
#include "core/player/Playback.h"
#include "core/route/routepoints.h"
#include "core/settings/cardsettings.h"
#include "core/settings/gsensorthresholds.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>

TripPanel::TripPanel(const Widgets &widgets, MediaList *mediaList, Playback *playback,
                     QObject *parent)
    : QObject(parent), m_graph(widgets.graph), m_mediaList(mediaList), m_playback(playback),
      m_list(new TripList(widgets.list, mediaList, playback, this)),
      m_layer(new TripRouteLayer(widgets.map, this))
{
    QLabel *clockLine = widgets.clockLine;
    clockLine->setWordWrap(true);
    clockLine->setContentsMargins(10, 2, 10, 4);
    m_clock = new ClockReadout(clockLine, this);

    ExportActions::Source source{[this] { return playingPath(); },
                                 [this]() -> std::optional<Trip> {
                                     const int trip = m_list->tripOfPath(playingPath());
                                     return trip < 0 ? std::nullopt
                                                     : std::optional<Trip>(m_list->trips()[trip]);
                                 },
                                 [this] {
                                     return !routeOf(*m_playback->telemetry()).isEmpty();
                                 }};
    auto *marker = new ClipMarker(widgets.window, widgets.positionSliders, this);
    connect(m_playback, &Playback::rowSelected, marker, &ClipMarker::clear);
    source.marks = [marker] {
        return marker->marks();
    };
    m_export = new ExportActions(widgets.window, source, m_layer->cache(), this);
    QAbstractButton *exportButton = widgets.exportButton;
    connect(exportButton, &QAbstractButton::clicked, this, [this, exportButton] {
        m_export->menu()->popup(exportButton->mapToGlobal(QPoint(0, exportButton->height())));
    });

    connect(m_playback, &Playback::startShown, this, [this] { showTripOf(playingPath()); });
    connect(m_list, &TripList::tripsPublished, this, [this] { showTripOf(playingPath()); });
    connect(m_list, &TripList::tripChosen, this, &TripPanel::showChosenTrip);
    connect(m_playback, &Playback::telemetryPublished, this,
            [this](const RecordedTelemetryPtr &telemetry) {
                if (const MediaFile *media = m_mediaList->mediaAtIndex(m_playback->mediaIndex()))
                    m_clock->recordingStarted(*media, telemetry);
            });
}

void TripPanel::catalogueChanged()
{
    m_list->catalogueChanged();
    m_layer->clear();
    m_clock->catalogueChanged(m_mediaList->directoryPath(), m_mediaList->medias());
    const std::optional<SettingsRecord> settings = cardSettingsAbove(m_mediaList->directoryPath());
    m_graph->setThresholdLines(settings ? drivingThresholdLines(*settings)
                                        : QList<GSensorThresholdLine>());
}

QString TripPanel::playingPath() const
{
    const MediaFile *media =
        m_playback ? m_mediaList->mediaAtIndex(m_playback->mediaIndex()) : nullptr;
    return media ? media->path() : QString();
}

void TripPanel::showTripOf(const QString &path)
{
    const int trip = path.isEmpty() ? -1 : m_list->tripOfPath(path);
    if (trip < 0)
        m_layer->clear();
    else
        m_layer->showTrip(m_list->trips()[trip], path);
}

void TripPanel::showChosenTrip(int trip)
{
    if (trip >= 0 && trip < m_list->trips().size())
        m_layer->showTrip(m_list->trips()[trip], playingPath());
}

void TripPanel::proposeClockCorrection(ClockWindow *clockWindow) const
{
    const std::optional<ClockReport> &card = m_clock->cardReport();
    if (card && card->medianOffsetSeconds)
        clockWindow->proposeCorrection(*card->medianOffsetSeconds, card->zoneSeconds);
}
