#include "app/trips/TVKTripPanel.h"

#include "app/card/TVKTimeSetupController.h"
#include "app/clip/ClipMarker.h"
#include "app/telemetry/GraphView.h"
#include "app/trips/TVKClockReadout.h"
#include "app/trips/TVKExportActions.h"
#include "app/trips/TVKTripList.h"
#include "app/trips/TVKTripRouteLayer.h"
#include "core/catalogue/TVKMediaList.h"
#include "core/player/TVKPlayback.h"
#include "core/route/routepoints.h"
#include "core/settings/cardsettings.h"
#include "core/settings/gsensorthresholds.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>

TVKTripPanel::TVKTripPanel(const Widgets &widgets, TVKMediaList *mediaList, TVKPlayback *playback,
                           QObject *parent)
    : QObject(parent), m_graph(widgets.graph), m_mediaList(mediaList), m_playback(playback),
      m_list(new TVKTripList(widgets.list, mediaList, playback, this)),
      m_layer(new TVKTripRouteLayer(widgets.map, this))
{
    QLabel *clockLine = widgets.clockLine;
    clockLine->setWordWrap(true);
    clockLine->setContentsMargins(10, 2, 10, 4);
    m_clock = new TVKClockReadout(clockLine, this);

    TVKExportActions::Source source{[this] { return playingPath(); },
                                    [this]() -> std::optional<TVKTrip> {
                                        const int trip = m_list->tripOfPath(playingPath());
                                        return trip < 0
                                                   ? std::nullopt
                                                   : std::optional<TVKTrip>(m_list->trips()[trip]);
                                    },
                                    [this] {
                                        return !routeOf(*m_playback->telemetry()).isEmpty();
                                    }};
    auto *marker = new ClipMarker(widgets.window, widgets.positionSliders, this);
    connect(m_playback, &TVKPlayback::rowSelected, marker, &ClipMarker::clear);
    source.marks = [marker] {
        return marker->marks();
    };
    m_export = new TVKExportActions(widgets.window, source, m_layer->cache(), this);
    QAbstractButton *exportButton = widgets.exportButton;
    connect(exportButton, &QAbstractButton::clicked, this, [this, exportButton] {
        m_export->menu()->popup(exportButton->mapToGlobal(QPoint(0, exportButton->height())));
    });

    connect(m_playback, &TVKPlayback::rowSelected, this, [this] { showTripOf(playingPath()); });
    connect(m_list, &TVKTripList::tripsPublished, this, [this] { showTripOf(playingPath()); });
    connect(m_list, &TVKTripList::tripChosen, this, &TVKTripPanel::showChosenTrip);
    connect(m_playback, &TVKPlayback::telemetryPublished, this,
            [this](const TVKTelemetryPtr &telemetry) {
                if (const TVKMedia *media = m_mediaList->mediaAtIndex(m_playback->mediaIndex()))
                    m_clock->recordingStarted(*media, telemetry);
            });
}

void TVKTripPanel::catalogueChanged()
{
    m_list->catalogueChanged();
    m_layer->clear();
    m_clock->catalogueChanged(m_mediaList->directoryPath(), m_mediaList->medias());
    const std::optional<SettingsRecord> settings = cardSettingsAbove(m_mediaList->directoryPath());
    m_graph->setThresholdLines(settings ? drivingThresholdLines(*settings)
                                        : QList<GSensorThresholdLine>());
}

QString TVKTripPanel::playingPath() const
{
    const TVKMedia *media =
        m_playback ? m_mediaList->mediaAtIndex(m_playback->mediaIndex()) : nullptr;
    return media ? media->path() : QString();
}

void TVKTripPanel::showTripOf(const QString &path)
{
    const int trip = path.isEmpty() ? -1 : m_list->tripOfPath(path);
    if (trip < 0)
        m_layer->clear();
    else
        m_layer->showTrip(m_list->trips()[trip], path);
}

void TVKTripPanel::showChosenTrip(int trip)
{
    if (trip >= 0 && trip < m_list->trips().size())
        m_layer->showTrip(m_list->trips()[trip], playingPath());
}

void TVKTripPanel::proposeClockCorrection(TVKTimeSetupController *clockWindow) const
{
    const std::optional<ClockReport> &card = m_clock->cardReport();
    if (card && card->medianOffsetSeconds)
        clockWindow->proposeCorrection(*card->medianOffsetSeconds, card->zoneSeconds);
}
