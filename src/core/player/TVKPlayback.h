#pragma once

#include "core/telemetry/TVKTelemetry.h"

#include <QObject>

#include <functional>
#include <memory>

class TaskScheduler;
class TVKBlackBoxData;
class TVKMediaList;
class TVKPlayInfo;
class VideoPlayer;

// Two players in step: the chosen recording in the main player, its partner of the same moment
// in the small one; telemetry read before each start; pause, seek, jumps, swap, sound, volume,
// speed and the advance to the next recording when one ends. Driven by the players' callbacks
// and the user's actions; what the window shows comes out as signals and `playInfo`.
class TVKPlayback : public QObject
{
    Q_OBJECT
public:
    enum class State {
        Idle,                // nothing loaded
        ExtractingTelemetry, // a start reads the front recording's telemetry
        Starting,            // the players were told to play and have not reported it yet
        Playing,
        Paused,
        AtEnd,     // the main player rests at the end of its recording
        Advancing, // the end was seen; the next recording follows in a moment
        Failed,    // the last start never got going
    };
    Q_ENUM(State)

    // Reads the telemetry of a recording (no path: none); runs off the interface thread.
    using Extractor = std::function<TVKTelemetryPtr(const QString &path)>;

    // A position at or past this rests at the end of the recording.
    static constexpr float kEndPosition = 0.998f;

    TVKPlayback(TVKMediaList *mediaList, VideoPlayer *player1, VideoPlayer *player2,
                std::shared_ptr<TaskScheduler> scheduler = {}, QObject *parent = nullptr);
    ~TVKPlayback() override;
    void setExtractor(Extractor extractor) { m_extractor = std::move(extractor); }

    // The user's actions.
    bool playAtIndex(qint64 index);
    void changeAndPlay(qint64 selectedRow);
    bool playNext();
    void clickPlayButton();
    // Play or Space: the loaded recording pauses or resumes; with none loaded, the row
    // selected in the list (-1: none) starts.
    void playOrStartSelected(qint64 selectedRow);
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
    void toggleAudioChoice(bool rear);
    void stopPlay();
    // Another folder: playback stops and nothing of the last recording stays on screen.
    void stopAndClear();
    // A new catalogue: no row is the one playing any more.
    void catalogueReplaced() { m_mediaIndex = -1; }
    // The start under way is given up (the loading display ran out).
    void abandonStart();
    // The main video area is `height` pixels high; the scale follows once the video shows.
    void updatePlayInfoScale(int height);

    // Tests of a player.
    bool isPlaying(const VideoPlayer *player) const;
    bool hasAudio(const VideoPlayer *player) const;

    // The players' callbacks.
    void mediaPlayerStateChanged();
    void mediaPlayerTimeChanged(VideoPlayer *sender);

    State state() const { return m_state; }
    TVKPlayInfo *playInfo() const { return m_playInfo; }
    TVKTelemetryPtr telemetry() const;
    VideoPlayer *player1() const { return m_player1; }
    VideoPlayer *player2() const { return m_player2; }
    qint64 mediaIndex() const { return m_mediaIndex; }
    quint64 volume() const { return m_volume; }
    void setVolume(quint64 volume);
    bool waitingForPlayStart() const;
    bool hasRearMedia() const { return m_hasRearMedia; }
    bool isMoving() const { return m_moving; }
    bool isSwapping() const { return m_swapping; }
    // The position the sliders show, 0 to 1.
    double sliderValue() const { return m_sliderValue; }
    void setSliderValue(double position);

signals:
    void stateChanged(TVKPlayback::State state);
    void volumeChanged(quint64 volume);
    void sliderValueChanged(double position);
    // The main player's time and what is left of it (negative), in milliseconds.
    void timeChanged(qint64 time, qint64 remaining);
    void logosChanged(const QString &mainLogo, const QString &smallLogo);
    // Whether the small view, and with it the sound choice, has a recording.
    void partnerChanged(bool shown);
    void videoVisibilityChanged(bool main, bool small);
    // The sound toggle: shown or hidden, and on for the rear camera.
    void soundChoiceChanged(bool shown, bool rear);
    void loadingStarted();
    void loadingEnded();
    void telemetryPublished(TVKTelemetryPtr telemetry);
    // A recording starts: readouts and side buttons as at a fresh start.
    void controlsReset();
    // The views exchanged their recordings; the window shows them growing into place.
    void swapStarted();
    // The window steps its size: +1, -1, or 0 to leave full screen and keep the minimum.
    void windowScaleStepRequested(int step);
    void rowSelected(qint64 index);
    void playStarted(qint64 index);
    // A start could not get going, or the recording is broken (no length, or it ends at once
    // short of its length): the window tells the user which file.
    void playStartFailed(const QString &path);
    // The recording plays but has no video stream: the window says there is no picture.
    void noPicture(const QString &path);

private:
    void setState(State state);
    void later(double seconds, std::function<void()> task);
    void updateVideoUI();
    void initMediaControlView();
    void finishStart(quint64 generation, TVKTelemetryPtr telemetry);
    void didStartPlayer();
    void didFinishPlay();
    void startTimerPlayNext();
    void timerPlayNext(quint64 watch);
    void syncVideoPositionDelay(double seconds);
    void settleSeek();
    void seekBoth(double position);
    void showPosition(double position);
    void showTime(double position);
    void watchFirstSecond();
    bool endedTooSoon() const;
    void failBroken();
    // Nothing of the recording stays on screen: telemetry, position, times and zoom.
    void clearShown();
    void updateAudioUI();
    void chooseAudioAuto();
    void updateVideoViewVisibility();
    void playBoth();
    void showLogos();

    TVKMediaList *m_mediaList;
    VideoPlayer *m_player1;
    VideoPlayer *m_player2;
    std::shared_ptr<TaskScheduler> m_scheduler;
    Extractor m_extractor;
    TVKPlayInfo *m_playInfo;
    std::unique_ptr<TVKBlackBoxData> m_blackBoxData;
    State m_state = State::Idle;
    qint64 m_mediaIndex = -1;
    quint64 m_volume = 70;
    bool m_hasRearMedia = false;
    bool m_bPlayNext = false;
    bool m_preparingPlayNext = false;
    bool m_swapping = false;
    bool m_moving = false;
    bool m_loadingShown = false;
    double m_movingPosition = 0;
    qint64 m_movingLength = 0;  // the main recording's length when the seek or swap began
    bool m_seekPending = false; // a drag moved on while a seek settled: seek once more
    bool m_startSettled = true; // the recording has played a second, or the user has sought
    qint64 m_lastReportedTime = 0;
    double m_sliderValue = 0;
    int m_tick = -1;
    int m_videoAreaHeight = 0;
    quint64 m_startGeneration = 0;
    quint64 m_watches = 0;
    quint64 m_endWatch = 0; // the running end watch; 0 when none
};
