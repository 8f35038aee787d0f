#include "TVKTelemetryPanel.h"

#include "common/cformat.h"
#include "player/VideoPlayer.h"
#include "telemetry/GraphView.h"
#include "telemetry/TVKMapView.h"
#include "telemetry/nmeacoordinate.h"

#include <QLabel>
#include <QPointF>

TVKTelemetryPanel::TVKTelemetryPanel(const Fields &fields, const VideoPlayer *player1,
                                     QObject *parent)
    : QObject(parent), m_fields(fields), m_player1(player1), m_telemetry(TVKTelemetry::empty())
{}

void TVKTelemetryPanel::setTelemetry(TVKTelemetryPtr telemetry)
{
    m_telemetry = telemetry ? std::move(telemetry) : TVKTelemetry::empty();
    m_fields.graphView->setGraphData(m_telemetry->m_GSensors);

    // The whole route once per start, each record with the hemispheres of its own fix.
    QList<QPointF> route;
    route.reserve(m_telemetry->m_GpsRecords.size());
    for (qsizetype i = 0; i < m_telemetry->m_GpsRecords.size(); ++i) {
        const _AVI_GPS_DATA_T &record = m_telemetry->m_GpsRecords[i].data();
        if (record.fLatitude == 0 && record.fLongitude == 0)
            continue; // no fix yet
        const TVKGpsData fix = m_telemetry->fixAfterGpsRecord(i);
        double lat = 0, lng = 0;
        degreesFromNmeaCoordinate(std::fabs(record.fLatitude), std::fabs(record.fLongitude), &lat,
                                  &lng);
        route.append(QPointF(fix.EW == 'W' ? -lng : lng, fix.NS == 'S' ? -lat : lat));
    }
    m_fields.mapWebView->setRoute(route);
}

void TVKTelemetryPanel::reset()
{
    m_fields.gsensorXField->setText(readout::resetAxisText('X'));
    m_fields.gsensorYField->setText(readout::resetAxisText('Y'));
    m_fields.gsensorZField->setText(readout::resetAxisText('Z'));
    m_fields.speedField->clear();
    m_fields.hdopField->clear();
    m_fields.sateliteField->clear();
    if (m_fields.positionField)
        m_fields.positionField->clear();
}

void TVKTelemetryPanel::updateGsensorUIByPlayPositon(double position)
{
    // The position given is the picture's, also while a seek settles and the player lags.
    m_fields.graphView->updateTimePosition(position);
    if (const auto texts = readout::gsensorTexts(*m_telemetry, position)) {
        m_fields.gsensorXField->setText(texts->x);
        m_fields.gsensorYField->setText(texts->y);
        m_fields.gsensorZField->setText(texts->z);
    }
}

void TVKTelemetryPanel::updateGpsUIByPlayPosition(double position)
{
    const readout::GpsReadout gps = readout::gpsReadout(*m_telemetry, position, m_flags);
    if (!gps.hasGps && m_telemetry->m_vGpsData.isEmpty()) {
        m_fields.mapWebView->setNoGps(true);
        m_fields.mapWebView->debug(QLatin1String(readout::kNoGpsDebugText));
    } else if (gps.hasGps) {
        m_fields.mapWebView->setLatLag(gps.latitude, gps.longitude);
        if (m_fields.positionField)
            m_fields.positionField->setText(tvk::cformat(
                "%.6f° %c   %.6f° %c", std::fabs(gps.latitude), gps.latitude < 0 ? 'S' : 'N',
                std::fabs(gps.longitude), gps.longitude < 0 ? 'W' : 'E'));
    }
    if (gps.speed)
        m_fields.speedField->setText(*gps.speed);
    if (gps.hdop)
        m_fields.hdopField->setText(*gps.hdop);
    if (gps.satellites)
        m_fields.sateliteField->setText(*gps.satellites);
}
