#include "app/player/TelemetryPanel.h"

#include "app/telemetry/GraphView.h"
#include "app/telemetry/MapView.h"
#include "core/common/cformat.h"
#include "core/common/strings.h"
#include "core/player/VideoPlayer.h"
#include "core/route/routefilter.h"

#include <QLabel>
#include <QPointF>

#include <cmath>

TelemetryPanel::TelemetryPanel(const Fields &fields, const VideoPlayer *player1, QObject *parent)
    : QObject(parent), m_fields(fields), m_player1(player1), m_telemetry(RecordedTelemetry::empty())
{}

void TelemetryPanel::setTelemetry(RecordedTelemetryPtr telemetry)
{
    m_telemetry = telemetry ? std::move(telemetry) : RecordedTelemetry::empty();
    m_waiting = false;
    m_fields.graphView->setGraphData(m_telemetry->m_GSensors);

    // The whole route once per start, each record with the hemispheres of its own fix.
    // Held by name: a range over a member of the returned value would outlive it.
    const PlausibleRoute plausible = plausibleRoute({{{}, 0, routeOf(*m_telemetry)}});
    QList<QPointF> route;
    for (const RoutePoint &p : plausible.pieces.value(0))
        route.append(QPointF(p.longitude, p.latitude));
    m_fields.mapWebView->setRoute(route);
}

void TelemetryPanel::reset()
{
    m_waiting = true;
    m_fields.gsensorXField->setText(readout::resetAxisText('X'));
    m_fields.gsensorYField->setText(readout::resetAxisText('Y'));
    m_fields.gsensorZField->setText(readout::resetAxisText('Z'));
    m_fields.speedField->clear();
    m_fields.hdopField->clear();
    m_fields.satelliteField->clear();
    if (m_fields.positionField)
        m_fields.positionField->clear();
    // The notice speaks of one recording: a start or nothing playing does not carry it, so
    // that it never covers a trip shown meanwhile.
    m_fields.mapWebView->setNoGps(false);
}

void TelemetryPanel::updateGsensorUIByPlayPosition(double position)
{
    if (m_waiting)
        return;
    // The position given is the picture's, also while a seek settles and the player lags.
    m_fields.graphView->updateTimePosition(position);
    if (const auto texts = readout::gsensorTexts(*m_telemetry, position)) {
        m_fields.gsensorXField->setText(texts->x);
        m_fields.gsensorYField->setText(texts->y);
        m_fields.gsensorZField->setText(texts->z);
    }
}

void TelemetryPanel::updateGpsUIByPlayPosition(double position)
{
    if (m_waiting)
        return;
    const readout::GpsReadout gps = m_hemispheres.gpsReadout(*m_telemetry, position);
    if (!gps.hasGps && m_telemetry->m_GpsRecords.isEmpty()) {
        m_fields.mapWebView->setNoGps(true);
        m_fields.mapWebView->debug(QLatin1String(readout::kNoGpsDebugText));
    } else if (gps.hasGps) {
        m_fields.mapWebView->moveMarker(gps.latitude, gps.longitude);
        if (m_fields.positionField)
            m_fields.positionField->setText(
                tvk::cformat("%.6f° %c   %.6f° %c", std::fabs(gps.latitude),
                             gps.latitude < 0 ? 'S' : 'N', std::fabs(gps.longitude),
                             gps.longitude < 0 ? 'W' : 'E') +
                recoveredNote());
    }
    if (!gps.hasGps && m_fields.positionField && m_fields.positionField->text().isEmpty())
        m_fields.positionField->setText(recoveredNote().trimmed());
    if (gps.speed)
        m_fields.speedField->setText(*gps.speed);
    if (gps.hdop)
        m_fields.hdopField->setText(*gps.hdop);
    if (gps.satellites)
        m_fields.satelliteField->setText(*gps.satellites);
}

QString TelemetryPanel::recoveredNote() const
{
    // A crash cut the recording before its index: what is shown was read chunk by chunk.
    return m_telemetry->recovered ? QStringLiteral("   ") + tvk::text("msg.telemetry_recovered")
                                  : QString();
}
