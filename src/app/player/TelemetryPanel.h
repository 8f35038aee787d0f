#pragma once

#include "core/player/TelemetryReadout.h"
#include "core/telemetry/RecordedTelemetry.h"

#include <QObject>

class GraphView;
class QLabel;
class MapView;
class VideoPlayer;

// The telemetry of the moment on screen: the G-sensor graph's cursor and readouts, speed,
// HDOP, satellites and the map marker, following the main player's position. It reads the
// telemetry it was given at the start of the recording, never arrays being rebuilt.
class TelemetryPanel : public QObject
{
    Q_OBJECT
public:
    struct Fields
    {
        GraphView *graphView;
        MapView *mapWebView;
        QLabel *gsensorXField;
        QLabel *gsensorYField;
        QLabel *gsensorZField;
        QLabel *speedField;
        QLabel *hdopField;
        QLabel *satelliteField;
        QLabel *positionField; // under the map; may be null
    };
    TelemetryPanel(const Fields &fields, const VideoPlayer *player1, QObject *parent = nullptr);

    // A recording starts: its telemetry goes to the graph and the map's route.
    void setTelemetry(RecordedTelemetryPtr telemetry);
    RecordedTelemetryPtr telemetry() const { return m_telemetry; }
    // The readouts of a fresh start.
    void reset();

    void updateGsensorUIByPlayPosition(double position);
    void updateGpsUIByPlayPosition(double position);

private:
    QString recoveredNote() const;
    Fields m_fields;
    const VideoPlayer *m_player1;
    RecordedTelemetryPtr m_telemetry;
    // Between a start's reset and its telemetry: the readouts keep their reset texts rather
    // than read the last recording's.
    bool m_waiting = false;
    readout::HemisphereMemory m_hemispheres;
};
