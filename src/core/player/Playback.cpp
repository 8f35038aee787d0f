#include "core/player/Playback.h"

#include "core/catalogue/MediaList.h"
#include "core/catalogue/MediaSide.h"
#include "core/common/regularfile.h"
#include "core/player/PlayInfo.h"
#include "core/player/TaskScheduler.h"
#include "core/player/VideoPlayer.h"
#include "core/player/timereadout.h"
#include "core/telemetry/BlackBoxData.h"

#include <QFile>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace {

RecordedTelemetryPtr extractFile(const QString &path)
{
    if (path.isEmpty())
        return RecordedTelemetry::empty();
    QFile file(path);
    if (!tvk::openRegularFile(file))
        return RecordedTelemetry::empty();
    tvk::Result<RecordedTelemetryPtr> telemetry = BlackBoxData::extract(file);
    return telemetry && *telemetry ? *telemetry : RecordedTelemetry::empty();
}

bool showsLoading(Playback::State state)
{
    using State = Playback::State;
    return state == State::ExtractingTelemetry || state == State::Starting ||
           state == State::Opening;
}

} // namespace

Playback::Executor Playback::threadPoolExecutor()
{
    return [](QObject *context, std::function<RecordedTelemetryPtr()> job,
              std::function<void(RecordedTelemetryPtr)> done) {
        auto *watcher = new QFutureWatcher<RecordedTelemetryPtr>(context);
        QObject::connect(watcher, &QFutureWatcherBase::finished, context,
                         [watcher, done = std::move(done)] {
                             watcher->deleteLater();
                             done(watcher->result());
                         });
        watcher->setFuture(QtConcurrent::run(std::move(job)));
    };
}

Playback::Playback(MediaList *mediaList, VideoPlayer *player1, VideoPlayer *player2,
                   std::shared_ptr<TaskScheduler> scheduler, Executor executor, QObject *parent)
    : QObject(parent), m_mediaList(mediaList), m_player1(player1), m_player2(player2),
      m_scheduler(scheduler ? std::move(scheduler) : std::make_shared<EventLoopScheduler>()),
      m_executor(executor ? std::move(executor) : threadPoolExecutor()), m_extractor(extractFile),
      m_playInfo(new PlayInfo(this)), m_blackBoxData(std::make_unique<BlackBoxData>())
{
    for (VideoPlayer *player : {m_player1, m_player2}) {
        connect(player, &VideoPlayer::stateChanged, this, &Playback::onPlayerStateChanged);
        connect(player, &VideoPlayer::timeChanged, this,
                [this, player] { onPlayerTimeChanged(player); });
    }
    connect(m_playInfo, &PlayInfo::positionChanged, this,
            [this](double position) { setShownPosition(std::min(position, 1.0)); });
    connect(m_playInfo, &PlayInfo::audioMediaDirectionChanged, this, &Playback::updateAudioUI);
}

Playback::~Playback() = default;

RecordedTelemetryPtr Playback::telemetry() const
{
    return m_blackBoxData->snapshot();
}

bool Playback::waitingForPlayStart() const
{
    return m_state == State::ExtractingTelemetry || m_state == State::Starting;
}

bool Playback::isMoving() const
{
    return m_state == State::Seeking || m_state == State::Swapping;
}

bool Playback::isSwapping() const
{
    return m_state == State::Swapping || m_state == State::SwapSettling;
}

void Playback::setState(State state)
{
    if (m_state == state)
        return;
    const State left = m_state;
    m_state = state;
    if (showsLoading(left) && !showsLoading(state))
        emit loadingEnded();
    // Back from another moment, the readouts follow the next report at once.
    if (left == State::Seeking || left == State::Swapping)
        m_reportsSincePosition = 0;
    emit stateChanged(state);
}

Playback::State Playback::restingState() const
{
    if (m_player1->isPlaying())
        return State::Playing;
    return m_player1->position() >= kEndPosition ? State::AtEnd : State::Paused;
}

void Playback::later(double seconds, std::function<void()> task)
{
    m_scheduler->runAfter(static_cast<int>(seconds * 1000), this, std::move(task));
}

void Playback::setShownPosition(double position)
{
    position = std::clamp(position, 0.0, 1.0);
    if (position == m_shownPosition)
        return;
    m_shownPosition = position;
    emit shownPositionChanged(position);
}

bool Playback::isPlaying(const VideoPlayer *player) const
{
    // A player that still reports playing with less than a second left is as good as ended;
    // one whose length is unknown (a cut recording) plays until it says otherwise.
    return player->hasMedia() && player->isPlaying() &&
           (player->length() <= 0 || player->remainingTime() <= -1000);
}

bool Playback::hasAudio(const VideoPlayer *player) const
{
    return player->hasMedia() && !player->audioTrackIndexes().isEmpty();
}

bool Playback::playAtIndex(qint64 index)
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
    loadRow();
    emit loadingStarted();

    // Telemetry comes from the front recording, whichever player holds it.
    const QString front =
        isRearMediaPath(m_player1->media()) ? m_player2->media() : m_player1->media();
    const QString frontPath = isRearMediaPath(front) ? QString() : front;
    const quint64 generation = ++m_startGeneration;
    m_executor(
        this, [extract = m_extractor, frontPath] { return extract(frontPath); },
        [this, generation](RecordedTelemetryPtr telemetry) {
            finishStart(generation, std::move(telemetry));
        });
    return true;
}

void Playback::finishStart(quint64 generation, RecordedTelemetryPtr telemetry)
{
    // The players were stopped or given other media meanwhile: this start is void.
    if (generation != m_startGeneration)
        return;
    m_blackBoxData->publish(std::move(telemetry));
    m_publishPending = true;
    initMediaControlView();
    setState(State::Starting);
    m_player1->play();
    m_hasRearMedia = false;
    if (m_player2->hasMedia()) {
        m_player2->play();
        m_hasRearMedia = true;
    }
    m_startSettled = false;
    m_lastReportedTime = 0;
    m_reportsSincePosition = 0;
    emit playStarted(m_mediaIndex);
}

void Playback::picturesShown()
{
    if (m_publishPending)
        publishStart();
}

void Playback::publishStart()
{
    m_publishPending = false;
    emit telemetryPublished(m_blackBoxData->snapshot());
    emit startShown(m_mediaIndex);
}

void Playback::abandonStart()
{
    if (!waitingForPlayStart())
        return;
    ++m_startGeneration;
    setState(State::Failed);
    clearShown();
    emit playStartFailed(m_player1->media());
}

void Playback::loadRow()
{
    const MediaFile *entry = m_mediaList->mediaAtIndex(m_mediaIndex);
    if (!entry)
        return;
    const MediaPair *pair = m_mediaList->findMediaPairWithFileName(entry->mediaName());
    m_player1->setMedia(entry->path());
    const std::optional<MediaFile> *partner = nullptr;
    if (pair)
        partner = entry->isRearMedia() ? &pair->frontMedia : &pair->rearMedia;
    if (partner && partner->has_value()) {
        m_player2->setMedia((*partner)->path());
    } else {
        m_player2->stop();
        m_player2->setMedia({});
    }
    showSides();
    emit partnerChanged(m_player2->hasMedia());
}

void Playback::showSides()
{
    emit sidesChanged(isRearMediaPath(m_player1->media()));
}

void Playback::initMediaControlView()
{
    setShownPosition(0.0);
    emit timeChanged(0, shownRemainingTime(0, m_player1->length()));
    m_playInfo->setSpeed(1.0);
    m_player1->setRate(1.0f);
    m_player2->setRate(1.0f);
    m_playInfo->setPosition(0.0);
    emit controlsReset();
}

void Playback::updateVideoViewVisibility()
{
    const bool p1 = m_player1->hasMedia() && m_player1->isPlaying();
    const bool p2 = m_player2->hasMedia() && m_player2->isPlaying();
    emit videoVisibilityChanged(p1 || m_player1->state() == VideoPlayer::Paused,
                                p2 || m_player2->state() == VideoPlayer::Paused);
}
