#include "TVKPlayerController.h"

#include "CustomWindow.h"
#include "PlayerWindowUi.h"
#include "TVKLoadingIndicator.h"
#include "TVKPlayInfo.h"
#include "TVKTelemetryPanel.h"
#include "VideoPlayer.h"
#include "catalogue/TVKMediaList.h"
#include "catalogue/mediaside.h"
#include "common/cformat.h"
#include "common/log.h"
#include "controls/TKImageButton.h"
#include "controls/TKImageButtonCell.h"
#include "controls/TKVideoBackgroundImageView.h"
#include "telemetry/TVKBlackBoxData.h"

#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSlider>
#include <QTableView>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace {

constexpr int kSliderSteps = 10000;

TVKTelemetryPtr extractTelemetry(const QString &path)
{
    if (path.isEmpty())
        return TVKTelemetry::empty();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TVKTelemetry::empty();
    tvk::Result<TVKTelemetryPtr> telemetry = TVKBlackBoxData::extract(file);
    return telemetry && *telemetry ? *telemetry : TVKTelemetry::empty();
}

} // namespace

TVKPlayerController::TVKPlayerController(const Parts &parts, QObject *parent)
    : QObject(parent), m_parts(parts), m_playInfo(new TVKPlayInfo(this)),
      m_blackBoxData(new TVKBlackBoxData)
{
    for (VideoPlayer *player : {m_parts.player1, m_parts.player2}) {
        connect(player, &VideoPlayer::stateChanged, this,
                &TVKPlayerController::mediaPlayerStateChanged);
        connect(player, &VideoPlayer::timeChanged, this,
                [this, player] { mediaPlayerTimeChanged(player); });
    }

    // The controls follow the observed play information.
    PlayerWindowUi &ui = *m_parts.ui;
    connect(m_playInfo, &TVKPlayInfo::speedChanged, this,
            [&ui](double speed) { ui.speedTextButton->setText(tvk::cformat("%.1fx", speed)); });
    connect(m_playInfo, &TVKPlayInfo::scaleChanged, this,
            [&ui](double scale) { ui.sizeTextButton->setText(tvk::cformat("%.2fx", scale)); });
    connect(m_playInfo, &TVKPlayInfo::isPlayingChanged, this, [&ui](bool playing) {
        const QString image =
            playing ? QStringLiteral("icon_pause_n") : QStringLiteral("icon_play_n");
        ui.playButton->setImageName(image);
        ui.playButtonForFullScreen->setImageName(image);
    });
    connect(m_playInfo, &TVKPlayInfo::positionChanged, this, &TVKPlayerController::positionChanged);
    connect(m_playInfo, &TVKPlayInfo::audioMediaDirectionChanged, this,
            &TVKPlayerController::updateAudioUI);
    connect(this, &TVKPlayerController::volumeChanged, this, &TVKPlayerController::updateAudioUI);
    connect(m_parts.window, &CustomWindow::contentResized, this,
            &TVKPlayerController::updatePlayInfoScale);
    connect(m_parts.loading, &TVKLoadingIndicator::gaveUp, this, [this] {
        if (m_waitingForPlayStart)
            giveUpStart();
    });

    // Both position sliders are bound to the position, both ways.
    for (QSlider *slider : {ui.videoPositionSlider, ui.videoPositionSliderForFullScreen}) {
        connect(slider, &QSlider::valueChanged, this, [this, slider](int value) {
            if (m_updatingSliders)
                return;
            const double position = double(value) / kSliderSteps;
            setSliderValue(position);
            m_playInfo->setPosition(position);
            videoPositionSliderMoved(position);
            Q_UNUSED(slider);
        });
    }
    m_playInfo->setIsPlaying(false);
}

TVKPlayerController::~TVKPlayerController()
{
    delete m_blackBoxData;
}

TVKTelemetryPtr TVKPlayerController::telemetry() const
{
    return m_blackBoxData->snapshot();
}

double TVKPlayerController::sliderValue() const
{
    return double(m_parts.ui->videoPositionSlider->value()) / kSliderSteps;
}

void TVKPlayerController::setSliderValue(double position)
{
    const int value = static_cast<int>(std::lround(std::clamp(position, 0.0, 1.0) * kSliderSteps));
    m_updatingSliders = true;
    m_parts.ui->videoPositionSlider->setValue(value);
    m_parts.ui->videoPositionSliderForFullScreen->setValue(value);
    m_updatingSliders = false;
}

void TVKPlayerController::later(double seconds, std::function<void()> task)
{
    QTimer::singleShot(static_cast<int>(seconds * 1000), this, std::move(task));
}

void TVKPlayerController::positionChanged()
{
    const double position = m_playInfo->position();
    setSliderValue(position >= 1.0 ? 1.0 : position);
    m_parts.telemetryPanel->updateGsensorUIByPlayPositon(position);
    m_parts.telemetryPanel->updateGpsUIByPlayPosition(position);
}

bool TVKPlayerController::isPlaying(const VideoPlayer *player) const
{
    return player->hasMedia() && player->isPlaying() &&
           timeString(player->remainingTime()) != QLatin1String("00:00");
}

bool TVKPlayerController::hasAudio(const VideoPlayer *player) const
{
    return player->hasMedia() && !player->audioTrackIndexes().isEmpty();
}

bool TVKPlayerController::playAtIndex(qint64 index)
{
    if (m_parts.mediaList->count() == 0 || m_waitingForPlayStart)
        return false;
    index = std::clamp<qint64>(index, 0, m_parts.mediaList->count() - 1);
    m_waitingForPlayStart = true;
    VideoPlayer *p1 = m_parts.player1;
    VideoPlayer *p2 = m_parts.player2;
    p1->stop();
    p2->stop();
    p1->setMedia({});
    p2->setMedia({});

    m_mediaIndex = index;
    QTableView *table = m_parts.ui->mediaListTableView;
    if (table->model()) {
        table->selectionModel()->select(table->model()->index(static_cast<int>(index), 0),
                                        QItemSelectionModel::ClearAndSelect |
                                            QItemSelectionModel::Rows);
        table->scrollTo(table->model()->index(static_cast<int>(index), 0));
    }
    updateVideoUI();
    m_parts.loading->showLoading(QStringLiteral("Loading..."));

    // Telemetry comes from the front recording, whichever view shows it.
    const QString front = isRearMediaPath(p1->media()) ? p2->media() : p1->media();
    const QString frontPath = isRearMediaPath(front) ? QString() : front;
    const quint64 generation = ++m_startGeneration;
    auto *watcher = new QFutureWatcher<TVKTelemetryPtr>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        finishStart(generation, watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(extractTelemetry, frontPath));
    return true;
}

void TVKPlayerController::finishStart(quint64 generation, TVKTelemetryPtr telemetry)
{
    // The players were stopped or given other media meanwhile: this start is void.
    if (generation != m_startGeneration)
        return;
    m_blackBoxData->publish(telemetry);
    m_parts.telemetryPanel->setTelemetry(m_blackBoxData->snapshot());
    initMediaControlView();
    m_parts.player1->play();
    m_hasRearMedia = false;
    if (m_parts.player2->hasMedia()) {
        m_parts.player2->play();
        m_hasRearMedia = true;
    }
    m_bPlayNext = false;
    emit playStarted(m_mediaIndex);
}

void TVKPlayerController::giveUpStart()
{
    // The list must never stay locked by a recording that does not play.
    m_waitingForPlayStart = false;
    ++m_startGeneration;
    m_parts.loading->hideLoading();
    const QString path = m_parts.player1->media();
    emit playStartFailed(path);
}

void TVKPlayerController::updateVideoUI()
{
    const TVKMedia *entry = m_parts.mediaList->mediaAtIndex(m_mediaIndex);
    if (!entry)
        return;
    const TVKMediaPair *pair = m_parts.mediaList->findMediaPairWithFileName(entry->mediaName());
    m_parts.player1->setMedia(entry->path());
    const std::optional<TVKMedia> *partner = nullptr;
    if (entry->isRearMedia()) {
        m_parts.ui->player1BackgroundView->setLogoImage(QStringLiteral("v1_rear_logo"));
        m_parts.ui->player2BackgroundView->setLogoImage(QStringLiteral("v2_front_logo"));
        partner = pair ? &pair->frontMedia : nullptr;
    } else {
        m_parts.ui->player1BackgroundView->setLogoImage(QStringLiteral("v1_front_logo"));
        m_parts.ui->player2BackgroundView->setLogoImage(QStringLiteral("v2_rear_logo"));
        partner = pair ? &pair->rearMedia : nullptr;
    }
    if (partner && partner->has_value()) {
        m_parts.player2->setMedia((*partner)->path());
    } else {
        m_parts.player2->stop();
        m_parts.player2->setMedia({});
    }
    const bool second = m_parts.player2->hasMedia();
    m_parts.video2View->setVisible(second);
    m_parts.ui->audioToggleButton->setVisible(second);
}

void TVKPlayerController::initMediaControlView()
{
    m_waitingForPlayStart = true;
    setSliderValue(0.0);
    m_parts.ui->timeField->setText(timeString(0));
    m_parts.ui->remainingField->setText(timeString(-m_parts.player1->length()));
    setVideoScaleIndex(0);
    emit sideButtonsNeedRefresh();
    m_playInfo->setSpeed(1.0);
    m_parts.player1->setRate(1.0f);
    m_parts.player2->setRate(1.0f);
    m_playInfo->setPosition(0.0);
    m_parts.telemetryPanel->reset();
}

void TVKPlayerController::updateVideoViewVisibility(bool p1, bool p2)
{
    m_parts.video1View->setVisible(p1 || m_parts.player1->state() == VideoPlayer::Paused);
    m_parts.video2View->setVisible(p2 || m_parts.player2->state() == VideoPlayer::Paused);
}

void TVKPlayerController::mediaPlayerStateChanged()
{
    VideoPlayer *player1 = m_parts.player1;
    VideoPlayer *player2 = m_parts.player2;
    const bool p1 = player1->hasMedia() && player1->isPlaying();
    const bool p2 = player2->hasMedia() && player2->isPlaying();
    updateVideoViewVisibility(p1, p2);

    if (m_waitingForPlayStart &&
        (player1->state() == VideoPlayer::Error || player2->state() == VideoPlayer::Error)) {
        giveUpStart();
        return;
    }
    if (player1->hasMedia() && player2->hasMedia()) {
        if (player1->state() == VideoPlayer::Paused && player2->state() == VideoPlayer::Paused) {
            didFinishPlay();
            return;
        }
        if (!(p1 && p2))
            return;
    } else {
        if (!player1->hasMedia())
            return;
        if (player1->state() == VideoPlayer::Paused) {
            didFinishPlay();
            return;
        }
        if (!p1)
            return;
    }
    if (m_waitingForPlayStart) {
        m_waitingForPlayStart = false;
        didStartPlayer();
        startTimerPlayNext();
        m_preparingPlayNext = false;
    } else {
        updateAudioUI();
    }
}

void TVKPlayerController::didStartPlayer()
{
    VideoPlayer *player1 = m_parts.player1;
    if (!player1->hasMedia())
        return;
    m_playInfo->setSpeed(player1->rate());
    m_playInfo->setIsPlaying(isPlaying(player1));
    chooseAudioAuto();
    if (m_playInfo->scale() == 0.0 && player1->hasVideoOut() && player1->videoSize().width() > 0)
        updatePlayInfoScale();
}

void TVKPlayerController::didFinishPlay()
{
    m_playInfo->setPosition(m_parts.player1->position());
    m_playInfo->setIsPlaying(isPlaying(m_parts.player1));
}

void TVKPlayerController::mediaPlayerTimeChanged(VideoPlayer *sender)
{
    VideoPlayer *player1 = m_parts.player1;
    VideoPlayer *player2 = m_parts.player2;
    const bool p1 = player1->hasMedia() && player1->isPlaying();
    const bool p2 = player2->hasMedia() && player2->isPlaying();
    updateVideoViewVisibility(p1, p2);
    m_preparingPlayNext = false;
    if (!m_parts.loading->stopVideoLoadingView()) {
        m_parts.loading->hideLoading();
        chooseAudioAuto();
    }
    m_playInfo->setIsPlaying(isPlaying(player1));
    if (sender == player1) {
        m_parts.ui->timeField->setText(timeString(player1->time()));
        m_parts.ui->remainingField->setText(timeString(player1->remainingTime()));
    }
    if (m_moving) {
        m_tick = -1;
        if (m_movingPosition > 0.0)
            m_playInfo->setPosition(m_movingPosition);
    } else if (sender == player1) {
        m_tick = (m_tick + 1) % 3;
        if (m_tick == 0)
            m_playInfo->setPosition(player1->position());
    }
}

void TVKPlayerController::syncVideoPositionDelay(double seconds)
{
    if (m_parts.player1->hasMedia() && m_parts.player2->hasMedia()) {
        later(seconds, [this] {
            m_moving = false;
            m_parts.player2->setPosition(m_parts.player1->position());
        });
    } else {
        m_moving = false;
    }
}

void TVKPlayerController::changeAndPlay()
{
    QTableView *table = m_parts.ui->mediaListTableView;
    const QModelIndexList rows =
        table->selectionModel() ? table->selectionModel()->selectedRows() : QModelIndexList();
    const qint64 selectedRow = rows.isEmpty() ? -1 : rows.first().row();
    tvk::log(tvk::cformat("selectedRow=%ld,mediaIndex=%ld,isPlaying=%d,count=%ld",
                          static_cast<long>(selectedRow), static_cast<long>(m_mediaIndex),
                          m_playInfo->isPlaying() ? 1 : 0,
                          static_cast<long>(m_parts.mediaList->count())));
    if (selectedRow != m_mediaIndex) {
        playAtIndex(selectedRow);
        return;
    }
    VideoPlayer *player1 = m_parts.player1;
    VideoPlayer *player2 = m_parts.player2;
    if (player1->state() == VideoPlayer::Paused) {
        player1->setPosition(0.0f);
        player2->setPosition(0.0f);
    }
    player1->play();
    if (player2->hasMedia()) {
        player2->play();
        syncVideoPositionDelay(0.1);
    }
}

void TVKPlayerController::clickPlayButton()
{
    VideoPlayer *player1 = m_parts.player1;
    VideoPlayer *player2 = m_parts.player2;
    if (!player1->hasMedia())
        return;
    if (m_playInfo->isPlaying()) {
        for (VideoPlayer *player : {player1, player2}) {
            if (isPlaying(player))
                player->pause();
        }
        return;
    }
    if (player1->position() >= 0.998f) {
        if (sliderValue() >= 0.998) {
            player1->setMedia({});
            player2->setMedia({});
            playAtIndex(m_mediaIndex);
            return;
        }
        const qint64 target = static_cast<qint64>(sliderValue() * double(player1->length()));
        player1->setTime(target);
        player2->setTime(target);
        later(0.1, [this] {
            m_parts.player1->play();
            if (m_parts.player2->hasMedia())
                m_parts.player2->play();
        });
        return;
    }
    player1->play();
    if (player2->hasMedia()) {
        player2->play();
        syncVideoPositionDelay(0.3);
    }
}

void TVKPlayerController::startTimerPlayNext()
{
    delete m_playStopTimer;
    m_playStopTimer = new QTimer(this);
    m_playStopTimer->setInterval(1000);
    connect(m_playStopTimer, &QTimer::timeout, this, &TVKPlayerController::timerPlayNext);
    m_playStopTimer->start();
}

void TVKPlayerController::timerPlayNext()
{
    const VideoPlayer *player1 = m_parts.player1;
    if (m_preparingPlayNext || player1->state() != VideoPlayer::Paused ||
        player1->position() < 0.998f)
        return;
    m_preparingPlayNext = true;
    later(1.0, [this] {
        if (m_bPlayNext)
            return;
        m_bPlayNext = true;
        playNext();
    });
}

bool TVKPlayerController::playNext()
{
    delete m_playStopTimer;
    m_playStopTimer = nullptr;
    const qint64 next = m_mediaIndex + 1 + (m_hasRearMedia ? 1 : 0);
    if (next >= m_parts.mediaList->count())
        return false;
    return playAtIndex(next);
}

void TVKPlayerController::stopPlay()
{
    // A start still reading telemetry is void once its players are unloaded.
    ++m_startGeneration;
    m_waitingForPlayStart = false;
    delete m_playStopTimer;
    m_playStopTimer = nullptr;
    for (VideoPlayer *player : {m_parts.player1, m_parts.player2}) {
        player->pause();
        player->setMedia({});
    }
    m_parts.loading->hideLoading();
    m_playInfo->setIsPlaying(false);
}
