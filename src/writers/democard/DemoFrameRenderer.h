#pragma once

#include "writers/democard/DemoBackdrop.h"
#include "writers/democard/DemoCarPainter.h"
#include "writers/democard/DemoStreetPainter.h"
#include "writers/democard/DemoView.h"

#include <QDateTime>
#include <QImage>

class DemoOsd;
class DemoTraffic;

// One camera's picture at a moment of the drive: the street as the front camera sees it over
// the bonnet, or as the rear camera sees it through the tinted rear window (mirrored, the
// following traffic in view, a "REAR" badge), with the burnt-in date, time and speed.
class DemoFrameRenderer
{
public:
    enum Camera { Front, Rear };

    DemoFrameRenderer(Camera camera, QSize size, const DemoStreet &street,
                      const DemoTraffic &traffic, const DemoOsd &osd, const QDateTime &start,
                      quint64 seed);
    // The painters hold on to this renderer's view: it stays where it was made.
    DemoFrameRenderer(const DemoFrameRenderer &) = delete;
    DemoFrameRenderer &operator=(const DemoFrameRenderer &) = delete;

    // The picture at t seconds of the drive. The image is reused by the next call.
    const QImage &render(double t);
    // A baseline JPEG of the picture, as the camera's encoder writes each frame.
    static QByteArray jpeg(const QImage &image, int quality);

private:
    void drawOverlay(QPainter &painter, double t);
    QImage makeOverlay() const;

    Camera m_camera;
    const DemoDrive &m_drive;
    const DemoTraffic &m_traffic;
    const DemoOsd &m_osd;
    QDateTime m_start;
    quint64 m_seed;
    DemoView m_view;
    DemoBackdrop m_backdrop;
    DemoStreetPainter m_streetPainter;
    DemoCarPainter m_carPainter;
    QImage m_frame;
    QImage m_overlay; // bonnet, or rear window, tint and demister lines
    qint64 m_osdSecond = -1;
    QImage m_osdLine;
};
