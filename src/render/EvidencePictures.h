#pragma once

#include "core/evidence/evidenceexport.h"

#include <QImage>

// The evidence folder's pictures, drawn on white for print: the G-sensor graph with its peak
// and the route with the event's place. Needs a QGuiApplication for its text.
class EvidencePictures : public EvidencePainter
{
public:
    QByteArray gSensorPng(const QList<GSensor> &samples, qsizetype peak) const override;
    QByteArray routePng(const QList<RoutePoint> &route, const RoutePoint *event) const override;

    static QImage gSensorImage(const QList<GSensor> &samples, qsizetype peak);
    static QImage routeImage(const QList<RoutePoint> &route, const RoutePoint *event);
};
