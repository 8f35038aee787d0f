#include "core/player/TVKPlayback.h"

#include "core/catalogue/MediaSide.h"
#include "core/catalogue/TVKMediaList.h"
#include "core/common/regularfile.h"
#include "core/player/TVKPlayInfo.h"
#include "core/player/TaskScheduler.h"
#include "core/player/VideoPlayer.h"
#include "core/player/timereadout.h"
#include "core/telemetry/TVKBlackBoxData.h"

#include <QFile>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace {

TVKTelemetryPtr extractFile(const QString &path)
{
    if (path.isEmpty())
        return TVKTelemetry::empty();
    QFile file(path);
    if (!tvk::openRegularFile(file))
        return TVKTelemetry::empty();
    tvk::Result<TVKTelemetryPtr> telemetry = TVKBlackBoxData::extract(file);
    return telemetry && *telemetry ? *telemetry : TVKTelemetry::empty();
}

} // namespace

TVKPlayback::TVKPlayback(TVKMediaList *mediaList, VideoPlayer *player1, VideoPlayer *player2,
                         std::shared_ptr<TaskScheduler> scheduler, QObject *parent)
    : QObject(parent), m_mediaList(mediaList), m_player1(player1), m_player2(player2),
      m_scheduler(scheduler ? std::move(scheduler) : std::make_shared<EventLoopScheduler>()),
      m_extractor(extractFile), m_playInfo(new TVKPlayInfo(this)),
      m_blackBoxData(std::make_unique<TVKBlackBoxData>())
{
    for (VideoPlayer *player : {m_player1, m_player2}) {
        connect(player, &VideoPlayer::stateChanged, this, &TVKPlayback::mediaPlayerStateChanged);
        connect(player, &VideoPlayer::timeChanged, this,
                [this, player] { mediaPlayerTimeChanged(player); });
    }
    connect(m_playInfo, &TVKPlayInfo::positionChanged, this,
            [this](double position) { setSliderValue(std::min(position, 1.0)); });
    connect(m_playInfo, &TVKPlayInfo::audioMediaDirectionChanged, this,
            &TVKPlayback::updateAudioUI);
}

TVKPlayback::~TVKPlayback() = default;

TVKTelemetryPtr TVKPlayback::telemetry() const
{
    return m_blackBoxData->snapshot();
}

bool TVKPlayback::waitingForPlayStart() const
{
    return m_state == State::ExtractingTelemetry || m_state == State::Starting;
}

void TVKPlayback::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void TVKPlayback::later(double seconds, std::function<void()> task)
{
    m_scheduler->runAfter(static_cast<int>(seconds * 1000), this, std::move(task));
}

void TVKPlayback::setSliderValue(double position)
{
    position = std::clamp(position, 0.0, 1.0);
    if (position == m_sliderValue)
        return;
    m_sliderValue = position;
    emit sliderValueChanged(position);
}

bool TVKPlayback::isPlaying(const VideoPlayer *player) const
{
    // A player that still reports playing with less than a second left is as good as ended;
    // one whose length is unknown (a cut recording) plays until it says otherwise.
    return player->hasMedia() && player->isPlaying() &&
           (player->length() <= 0 || player->remainingTime() <= -1000);
}

bool TVKPlayback::hasAudio(const VideoPlayer *player) const
{
    return player->hasMedia() && !player->audioTrackIndexes().isEmpty();
}

bool TVKPlayback::playAtIndex(qint64 index)
{
    if (m_mediaList->count() == 0 || waitingForPlayStart())
        return false;
    index = std::clamp<qint64>(index, 0, m_mediaList->count() - 1);
    setState(State::ExtractingTelemetry);
    m_endWatch = 0;
    for (VideoPlayer *player : {m_player1, m_player2}) {
        player->stop();
        player->setMedia({});
    }
    m_mediaIndex = index;
    emit rowSelected(index);
    updateVideoUI();
    m_loadingShown = true;
    emit loadingStarted();

    // Telemetry comes from the front recording, whichever player holds it.
    const QString front =
        isRearMediaPath(m_player1->media()) ? m_player2->media() : m_player1->media();
    const QString frontPath = isRearMediaPath(front) ? QString() : front;
    const quint64 generation = ++m_startGeneration;
    auto *watcher = new QFutureWatcher<TVKTelemetryPtr>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        finishStart(generation, watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(m_extractor, frontPath));
    return true;
}

void TVKPlayback::finishStart(quint64 generation, TVKTelemetryPtr telemetry)
{
    // The players were stopped or given other media meanwhile: this start is void.
    if (generation != m_startGeneration)
        return;
    m_blackBoxData->publish(std::move(telemetry));
    emit telemetryPublished(m_blackBoxData->snapshot());
    initMediaControlView();
    setState(State::Starting);
    m_player1->play();
    m_hasRearMedia = false;
    if (m_player2->hasMedia()) {
        m_player2->play();
        m_hasRearMedia = true;
    }
    m_bPlayNext = false;
    m_startSettled = false;
    m_lastReportedTime = 0;
    emit playStarted(m_mediaIndex);
}

void TVKPlayback::abandonStart()
{
    if (!waitingForPlayStart())
        return;
    ++m_startGeneration;
    setState(State::Failed);
    m_loadingShown = false;
    emit loadingEnded();
    clearShown();
    emit playStartFailed(m_player1->media());
}

void TVKPlayback::updateVideoUI()
{
    const TVKMedia *entry = m_mediaList->mediaAtIndex(m_mediaIndex);
    if (!entry)
        return;
    const TVKMediaPair *pair = m_mediaList->findMediaPairWithFileName(entry->mediaName());
    m_player1->setMedia(entry->path());
    const std::optional<TVKMedia> *partner = nullptr;
    if (pair)
        partner = entry->isRearMedia() ? &pair->frontMedia : &pair->rearMedia;
    if (partner && partner->has_value()) {
        m_player2->setMedia((*partner)->path());
    } else {
        m_player2->stop();
        m_player2->setMedia({});
    }
    showLogos();
    emit partnerChanged(m_player2->hasMedia());
}

void TVKPlayback::showLogos()
{
    // A player without media shows the logo of the side it would show.
    const bool mainRear = isRearMediaPath(m_player1->media());
    emit logosChanged(mainRear ? QStringLiteral("v1_rear_logo") : QStringLiteral("v1_front_logo"),
                      mainRear ? QStringLiteral("v2_front_logo") : QStringLiteral("v2_rear_logo"));
}

void TVKPlayback::initMediaControlView()
{
    setSliderValue(0.0);
    emit timeChanged(0, shownRemainingTime(0, m_player1->length()));
    emit windowScaleStepRequested(0);
    m_playInfo->setSpeed(1.0);
    m_player1->setRate(1.0f);
    m_player2->setRate(1.0f);
    m_playInfo->setPosition(0.0);
    emit controlsReset();
}

void TVKPlayback::updateVideoViewVisibility()
{
    const bool p1 = m_player1->hasMedia() && m_player1->isPlaying();
    const bool p2 = m_player2->hasMedia() && m_player2->isPlaying();
    emit videoVisibilityChanged(p1 || m_player1->state() == VideoPlayer::Paused,
                                p2 || m_player2->state() == VideoPlayer::Paused);
}

void TVKPlayback::mediaPlayerStateChanged()
{
    updateVideoViewVisibility();
    if (waitingForPlayStart() &&
        (m_player1->state() == VideoPlayer::Error || m_player2->state() == VideoPlayer::Error)) {
        abandonStart();
        return;
    }
    const bool p1 = m_player1->hasMedia() && m_player1->isPlaying();
    const bool p2 = m_player2->hasMedia() && m_player2->isPlaying();
    const bool pausedBoth = m_player1->state() == VideoPlayer::Paused &&
                            (!m_player2->hasMedia() || m_player2->state() == VideoPlayer::Paused);
    if (!m_player1->hasMedia())
        return;
    if (m_state != State::Failed && !waitingForPlayStart() &&
        (m_player1->state() == VideoPlayer::Error || endedTooSoon())) {
        failBroken();
        return;
    }
    if (pausedBoth) {
        didFinishPlay();
        return;
    }
    if (!p1 || (m_player2->hasMedia() && !p2))
        return;
    if (m_state == State::Starting) {
        didStartPlayer();
        startTimerPlayNext();
        m_preparingPlayNext = false;
    } else {
        if (!waitingForPlayStart())
            setState(State::Playing);
        // A swap keeps both silent until its end, whatever the players report meanwhile.
        if (!m_swapping)
            updateAudioUI();
    }
}

void TVKPlayback::didStartPlayer()
{
    setState(State::Playing);
    m_playInfo->setSpeed(m_player1->rate());
    m_playInfo->setIsPlaying(isPlaying(m_player1));
    chooseAudioAuto();
    // Every start: recordings of the two cameras differ in size.
    if (m_player1->hasVideoOut() && m_player1->videoSize().width() > 0)
        updatePlayInfoScale(m_videoAreaHeight);
}

void TVKPlayback::didFinishPlay()
{
    m_playInfo->setPosition(m_player1->position());
    m_playInfo->setIsPlaying(isPlaying(m_player1));
    if (waitingForPlayStart() || m_state == State::Advancing || m_state == State::Failed)
        return;
    setState(m_player1->position() >= kEndPosition ? State::AtEnd : State::Paused);
}

void TVKPlayback::mediaPlayerTimeChanged(VideoPlayer *sender)
{
    // A failed recording's last reports would fill what was cleared again.
    if (m_state == State::Failed)
        return;
    updateVideoViewVisibility();
    m_preparingPlayNext = false;
    if (m_loadingShown) {
        m_loadingShown = false;
        emit loadingEnded();
        chooseAudioAuto();
        watchFirstSecond();
    }
    m_playInfo->setIsPlaying(isPlaying(m_player1));
    if (sender == m_player1) {
        if (m_player1->position() < kEndPosition)
            m_lastReportedTime = m_player1->time();
        // While a seek or swap settles the players still report where they were.
        if (m_moving)
            showTime(m_movingPosition);
        else
            emit timeChanged(m_player1->time(),
                             shownRemainingTime(m_player1->time(), m_player1->length()));
    }
    if (m_moving) {
        m_tick = -1;
        m_playInfo->setPosition(m_movingPosition);
    } else if (sender == m_player1) {
        m_tick = (m_tick + 1) % 3;
        if (m_tick == 0)
            m_playInfo->setPosition(m_player1->position());
    }
}
