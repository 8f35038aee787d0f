#pragma once

#include "telemetry/TVKTelemetry.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>

class CustomWindow;
class QTimer;
class QWidget;
class TVKBlackBoxData;
class TVKLoadingIndicator;
class TVKMediaList;
class TVKPlayInfo;
class TVKTelemetryPanel;
class VideoPlayer;
struct PlayerWindowUi;

// Two players in step: the chosen recording in the main view, its partner of the same moment
// in the small view; telemetry read before each start; pause, seek, jumps, swap, sound,
// volume, speed, window size and the advance to the next recording when one ends.
class TVKPlayerController : public QObject
{
    Q_OBJECT
public:
    struct Parts
    {
        CustomWindow *window;
        PlayerWindowUi *ui;
        TVKMediaList *mediaList;
        VideoPlayer *player1;
        VideoPlayer *player2;
        QWidget *video1View;
        QWidget *video2View;
        TVKLoadingIndicator *loading;
        TVKTelemetryPanel *telemetryPanel;
    };
    explicit TVKPlayerController(const Parts &parts, QObject *parent = nullptr);
    ~TVKPlayerController() override;

    // User actions.
    bool playAtIndex(qint64 index);
    void changeAndPlay();
    bool playNext();
    void clickPlayButton();
    void swapPlayer();
    void videoPositionSliderMoved(double sliderValue);
    void jumpForward();
    void jumpBackward();
    void volumeSliderMoved(int value);
    void volumeUp();
    void volumeDown();
    void increaseSpeed();
    void decreaseSpeed();
    void sizeUp();
    void sizeDown();
    void setVideoScaleIndex(qint64 step);
    void toggleAudioChoice();
    void stopPlay();
    // A new catalogue: no row is the one playing any more.
    void catalogueReplaced() { m_mediaIndex = -1; }

    // Tests of a player.
    bool isPlaying(const VideoPlayer *player) const;
    bool hasAudio(const VideoPlayer *player) const;

    // The video component's callbacks.
    void mediaPlayerStateChanged();
    void mediaPlayerTimeChanged(VideoPlayer *sender);

    TVKPlayInfo *playInfo() const { return m_playInfo; }
    TVKBlackBoxData *blackBoxData() const { return m_blackBoxData; }
    qint64 mediaIndex() const { return m_mediaIndex; }
    quint64 volume() const { return m_volume; }
    void setVolume(quint64 volume);
    bool waitingForPlayStart() const { return m_waitingForPlayStart; }
    bool hasRearMedia() const { return m_hasRearMedia; }
    bool isMoving() const { return m_moving; }
    bool isSwapping() const { return m_swapping; }
    // The telemetry of the recording being played.
    TVKTelemetryPtr telemetry() const;

    // The main video area's height over the video's; measured once the video shows.
    void updatePlayInfoScale();

    // The slider's value as a position, 0 to 1.
    double sliderValue() const;
    void setSliderValue(double position);

signals:
    void volumeChanged(quint64 volume);
    // A start could not get going: the window tells the user which file.
    void playStartFailed(const QString &path);
    // The side buttons show the right side's mode again.
    void sideButtonsNeedRefresh();
    // A recording has started in the main view (telemetry published, players told to play).
    void playStarted(qint64 index);

private:
    void updateVideoUI();
    void updateAudioUI();
    void chooseAudioAuto();
    void didStartPlayer();
    void didFinishPlay();
    void startTimerPlayNext();
    void timerPlayNext();
    void syncVideoPositionDelay(double seconds);
    void initMediaControlView();
    void finishStart(quint64 generation, TVKTelemetryPtr telemetry);
    void giveUpStart();
    void updateVideoViewVisibility(bool p1, bool p2);
    void positionChanged();
    void observeWindow();
    void later(double seconds, std::function<void()> task);

    Parts m_parts;
    TVKPlayInfo *m_playInfo;
    TVKBlackBoxData *m_blackBoxData;
    qint64 m_mediaIndex = -1;
    quint64 m_volume = 70;
    bool m_waitingForPlayStart = false;
    bool m_hasRearMedia = false;
    bool m_bPlayNext = false;
    bool m_preparingPlayNext = false;
    bool m_swapping = false;
    bool m_moving = false;
    double m_movingPosition = 0;
    int m_tick = -1;
    QTimer *m_playStopTimer = nullptr;
    quint64 m_startGeneration = 0;
    bool m_updatingSliders = false;
};
