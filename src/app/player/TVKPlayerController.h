#pragma once

#include <QObject>

class CustomWindow;
class TVKLoadingIndicator;
class TVKPlayback;
class TVKTelemetryPanel;
class QWidget;
struct PlayerWindowUi;

// Binds the player window's widgets to the playback core: what the core publishes goes to the
// controls, views and readouts; the controls, the list and the keys call the core's actions.
class TVKPlayerController : public QObject
{
    Q_OBJECT
public:
    struct Parts
    {
        CustomWindow *window;
        PlayerWindowUi *ui;
        TVKPlayback *playback;
        QWidget *video1View;
        QWidget *video2View;
        TVKLoadingIndicator *loading;
        TVKTelemetryPanel *telemetryPanel;
    };
    explicit TVKPlayerController(const Parts &parts, QObject *parent = nullptr);

    TVKPlayback *playback() const { return m_parts.playback; }

    // Resizes the window by a step of a fifth of its minimum size, or switches full screen.
    void setVideoScaleIndex(int step);
    // The main view's height over the video's, measured again.
    void measureScale();

private:
    void bindState();
    void bindControls();
    void bindKeys();
    void showTimes(qint64 time, qint64 remaining);
    void animateSwap();

    Parts m_parts;
    bool m_updatingSliders = false;
};
