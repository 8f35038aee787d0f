#pragma once

#include <QObject>

class CustomWindow;
class LoadingIndicator;
class Playback;
class TelemetryPanel;
class QWidget;
struct PlayerWindowUi;

// Binds the player window's widgets to the playback core: what the core publishes goes to the
// controls, views and readouts; the controls, the list and the keys call the core's actions.
class PlayerController : public QObject
{
    Q_OBJECT
public:
    struct Parts
    {
        CustomWindow *window;
        PlayerWindowUi *ui;
        Playback *playback;
        QWidget *video1View;
        QWidget *video2View;
        LoadingIndicator *loading;
        TelemetryPanel *telemetryPanel;
    };
    explicit PlayerController(const Parts &parts, QObject *parent = nullptr);

    Playback *playback() const { return m_parts.playback; }

    // Resizes the window by a step of a fifth of its minimum size, or switches full screen;
    // 0 leaves full screen and keeps the minimum.
    void stepWindowSize(int step);
    // The main view's height over the video's, measured again.
    void measureScale();
    // The list's selected row, -1 when none.
    qint64 selectedRow() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void bindState();
    void bindControls();
    void bindKeys();
    void showTimes(qint64 time, qint64 remaining);
    void animateSwap();
    // The window grows or shrinks only around a playing picture.
    void stepWindowSizeWhilePlaying(int step);
    void updateEnabled();

    Parts m_parts;
    bool m_updatingSliders = false;
    bool m_hasPartner = false;
};
