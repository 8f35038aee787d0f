#pragma once

#include "core/telemetry/RecordedTelemetry.h"

#include <QObject>

#include <functional>
#include <memory>

class TaskScheduler;
class BlackBoxData;
class MediaList;
class PlayInfo;
class VideoPlayer;

// Two players in step: the chosen recording in the main player, its partner of the same moment
// in the small one; telemetry read before each start; pause, seek, jumps, swap, sound, volume,
// speed and the advance to the next recording when one ends. Driven by the players' callbacks
// and the user's intents; what the window shows comes out as signals and `playInfo`.
class Playback : public QObject
{
    Q_OBJECT
public:
    enum class State {
        Idle,                // nothing loaded
        ExtractingTelemetry, // a start reads the front recording's telemetry
        Starting,            // the players were told to play and have not reported it yet
        Opening,             // both play; the loading display stays until the first picture
        Playing,
        Paused,
        Seeking,      // the players go to another moment; the partner follows in a moment
        Swapping,     // the views exchanged recordings and go back to the moment of the swap
        SwapSettling, // the swap's seek is made; both stay silent until the views have grown
        AtEnd,        // the main player rests at the end of its recording
        Advancing,    // the end was seen; the next recording follows in a moment
        Failed,       // the last start never got going, or the recording is broken
    };
    Q_ENUM(State)

    // Reads the telemetry of a recording (no path: none); runs off the interface thread.
    using Extractor = std::function<RecordedTelemetryPtr(const QString &path)>;
    // Runs `job` away from the interface thread and hands its result to `done` on the thread
    // of `context`; nothing is handed to a context that has gone.
    using Executor = std::function<void(QObject *context, std::function<RecordedTelemetryPtr()> job,
                                        std::function<void(RecordedTelemetryPtr)> done)>;
    // The executor of the application: the global thread pool.
    static Executor threadPoolExecutor();

    // A position at or past this rests at the end of the recording.
    static constexpr float kEndPosition = 0.998f;
    static constexpr int kMaxVolume = 200;

    Playback(MediaList *mediaList, VideoPlayer *player1, VideoPlayer *player2,
             std::shared_ptr<TaskScheduler> scheduler = {}, Executor executor = {},
             QObject *parent = nullptr);
    ~Playback() override;
    void setExtractor(Extractor extractor) { m_extractor = std::move(extractor); }

    // The user's intents.
    bool playAtIndex(qint64 index);
    // A row activated in the list: another row starts, the playing one starts over.
    void playRow(qint64 row);
    bool playNext();
    void togglePause();
    // Play or Space: the loaded recording pauses or resumes; with none loaded, the row
    // selected in the list (-1: none) starts.
    void playOrStartSelected(qint64 selectedRow);
    void swapViews();
    // 0 is the start of the recording, 1 its end.
    void seekTo(double position);
    void jumpForward();
    void jumpBackward();
    void setVolume(int volume);
    // Steps of a tenth of the recording's own level, up or down.
    void stepVolume(int steps);
    // One step faster (+1) or slower (-1), between normal and double speed.
    void changeSpeed(int step);
    void hearRearCamera(bool rear);
    void stop();
    // Another folder: playback stops and nothing of the last recording stays on screen.
    void stopAndClear();
    // A new catalogue: no row is the one playing any more.
    void catalogueReplaced() { m_mediaIndex = -1; }
    // The start under way is given up (the loading display ran out).
    void abandonStart();
    // The views show the first pictures of the start: its telemetry is handed out now.
    void picturesShown();
    // The main video area is `height` pixels high; the scale follows once the video shows.
    void setVideoAreaHeight(int height);

    // Tests of a player.
    bool isPlaying(const VideoPlayer *player) const;
    bool hasAudio(const VideoPlayer *player) const;

    State state() const { return m_state; }
    PlayInfo *playInfo() const { return m_playInfo; }
    RecordedTelemetryPtr telemetry() const;
    VideoPlayer *player1() const { return m_player1; }
    VideoPlayer *player2() const { return m_player2; }
    qint64 mediaIndex() const { return m_mediaIndex; }
    int volume() const { return m_volume; }
    bool waitingForPlayStart() const;
    bool hasRearMedia() const { return m_hasRearMedia; }
    // The players are on their way to another moment; the time shown is where they go.
    bool isMoving() const;
    bool isSwapping() const;
    // The position shown on the sliders, 0 to 1.
    double shownPosition() const { return m_shownPosition; }
    void setShownPosition(double position);

signals:
    void stateChanged(Playback::State state);
    void volumeChanged(int volume);
    void shownPositionChanged(double position);
    // The main player's time and what is left of it (negative), in milliseconds.
    void timeChanged(qint64 time, qint64 remaining);
    // Which camera the main view shows; the small one shows the other. A view without a
    // recording shows the side it would show.
    void sidesChanged(bool mainIsRear);
    // Whether the small view, and with it the sound choice, has a recording.
    void partnerChanged(bool shown);
    void videoVisibilityChanged(bool main, bool small);
    // The sound toggle: shown or hidden, and on for the rear camera.
    void soundChoiceChanged(bool shown, bool rear);
    void loadingStarted();
    void loadingEnded();
    // After each start's first pictures (or, with none, its first second), so that graph,
    // route, trip and clock are drawn once the recording is in sight rather than before.
    void telemetryPublished(RecordedTelemetryPtr telemetry);
    // The recording started by the last start is in sight: what is drawn beside it follows.
    void startShown(qint64 index);
    // A recording starts: readouts and side buttons as at a fresh start.
    void controlsReset();
    // The views exchanged their recordings; the window shows them growing into place.
    void swapStarted();
    void rowSelected(qint64 index);
    // The players of the row were told to play.
    void playStarted(qint64 index);
    // A start could not get going, or the recording is broken (no length, or it ends at once
    // short of its length): the window tells the user which file.
    void playStartFailed(const QString &path);
    // The recording plays but has no video stream: the window says there is no picture.
    void noPicture(const QString &path);

private:
    void setState(State state);
    // Playing, Paused or AtEnd, as the main player stands now.
    State restingState() const;
    void later(double seconds, std::function<void()> task);
    void onPlayerStateChanged();
    void onPlayerTimeChanged(VideoPlayer *sender);
    void loadRow();
    void initMediaControlView();
    void finishStart(quint64 generation, RecordedTelemetryPtr telemetry);
    void publishStart();
    void didStartPlayer();
    void didFinishPlay();
    void startEndWatch();
    void lookAtEnd(quint64 watch);
    void beginSeek();
    void settleSeek();
    void alignPartnerLater(double seconds);
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
    void showSides();

    MediaList *m_mediaList;
    VideoPlayer *m_player1;
    VideoPlayer *m_player2;
    std::shared_ptr<TaskScheduler> m_scheduler;
    Executor m_executor;
    Extractor m_extractor;
    PlayInfo *m_playInfo;
    std::unique_ptr<BlackBoxData> m_blackBoxData;
    State m_state = State::Idle;
    qint64 m_mediaIndex = -1;
    int m_volume = 70;
    bool m_hasRearMedia = false; // the recording started with a partner
    bool m_startSettled = true;  // the recording has played a second, or the user has sought
    double m_targetPosition = 0; // where a seek or swap goes; what is shown meanwhile
    double m_soughtPosition = 0; // where the players were last sent
    qint64 m_movingLength = 0;   // the main recording's length when the seek or swap began
    qint64 m_lastReportedTime = 0;
    double m_shownPosition = 0;
    int m_reportsSincePosition = 0; // the readouts follow every third report of the time
    int m_videoAreaHeight = 0;
    quint64 m_startGeneration = 0;
    bool m_publishPending = false; // the start's telemetry waits for its first pictures
    quint64 m_watches = 0;
    quint64 m_endWatch = 0; // the running end watch; 0 when none
};
