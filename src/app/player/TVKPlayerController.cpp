#include "app/player/TVKPlayerController.h"

#include "app/controls/TKImageButton.h"
#include "app/controls/TKImageButtonCell.h"
#include "app/controls/TKVideoBackgroundImageView.h"
#include "app/player/CustomWindow.h"
#include "app/player/PlayerWindowUi.h"
#include "app/player/TVKLoadingIndicator.h"
#include "app/player/TVKTelemetryPanel.h"
#include "core/common/cformat.h"
#include "core/common/strings.h"
#include "core/player/TVKPlayInfo.h"
#include "core/player/TVKPlayback.h"
#include "core/player/VideoPlayer.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QSlider>
#include <QTableView>

TVKPlayerController::TVKPlayerController(const Parts &parts, QObject *parent)
    : QObject(parent), m_parts(parts)
{
    bindState();
    bindControls();
    bindKeys();
    PlayerWindowUi &ui = *m_parts.ui;
    const auto update = [this] {
        updateEnabled();
    };
    connect(m_parts.playback, &TVKPlayback::stateChanged, this, update);
    connect(m_parts.playback->playInfo(), &TVKPlayInfo::isPlayingChanged, this, update);
    connect(ui.mediaListTableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            update);
    connect(ui.mediaListTableView->model(), &QAbstractItemModel::modelReset, this, update);
    updateEnabled();
}

void TVKPlayerController::bindState()
{
    TVKPlayback *core = m_parts.playback;
    PlayerWindowUi &ui = *m_parts.ui;
    TVKPlayInfo *info = core->playInfo();
    connect(info, &TVKPlayInfo::speedChanged, this,
            [&ui](double speed) { ui.speedTextButton->setText(tvk::cformat("%.1fx", speed)); });
    // The zoom is unknown until a picture has been measured.
    const auto showScale = [&ui](double scale) {
        ui.sizeTextButton->setText(scale > 0 ? tvk::cformat("%.2fx", scale) : QStringLiteral("–"));
    };
    showScale(info->scale());
    connect(info, &TVKPlayInfo::scaleChanged, this, showScale);
    connect(info, &TVKPlayInfo::isPlayingChanged, this, [&ui](bool playing) {
        const QString image =
            playing ? QStringLiteral("icon_pause_n") : QStringLiteral("icon_play_n");
        ui.playButton->setImageName(image);
        ui.playButtonForFullScreen->setImageName(image);
    });
    connect(info, &TVKPlayInfo::positionChanged, this, [this](double position) {
        m_parts.telemetryPanel->updateGsensorUIByPlayPosition(position);
        m_parts.telemetryPanel->updateGpsUIByPlayPosition(position);
    });
    connect(core, &TVKPlayback::shownPositionChanged, this, [this, &ui](double position) {
        const int value =
            static_cast<int>(std::lround(position * ui.videoPositionSlider->maximum()));
        m_updatingSliders = true;
        ui.videoPositionSlider->setValue(value);
        ui.videoPositionSliderForFullScreen->setValue(value);
        m_updatingSliders = false;
    });
    connect(core, &TVKPlayback::timeChanged, this, &TVKPlayerController::showTimes);
    connect(core, &TVKPlayback::volumeChanged, this, [&ui](int volume) {
        const QSignalBlocker block(ui.volumeSlider);
        ui.volumeSlider->setValue(volume);
    });
    connect(core, &TVKPlayback::sidesChanged, this, [&ui](bool mainIsRear) {
        ui.player1BackgroundView->setLogoImage(mainIsRear ? QStringLiteral("v1_rear_logo")
                                                          : QStringLiteral("v1_front_logo"));
        ui.player2BackgroundView->setLogoImage(mainIsRear ? QStringLiteral("v2_front_logo")
                                                          : QStringLiteral("v2_rear_logo"));
    });
    connect(core, &TVKPlayback::partnerChanged, this, [this, &ui](bool shown) {
        m_hasPartner = shown;
        updateEnabled();
        m_parts.video2View->setVisible(shown);
        ui.audioToggleButton->setVisible(shown);
    });
    connect(core, &TVKPlayback::videoVisibilityChanged, this, [this](bool main, bool small) {
        m_parts.video1View->setVisible(main);
        m_parts.video2View->setVisible(small);
    });
    connect(core, &TVKPlayback::soundChoiceChanged, this, [&ui](bool shown, bool rear) {
        ui.audioToggleButton->setVisible(shown);
        ui.audioToggleButton->setChecked(rear);
        ui.audioToggleButton->setImageName(rear ? QStringLiteral("icon_sound_rear_n")
                                                : QStringLiteral("icon_sound_front_n"));
    });
    connect(core, &TVKPlayback::loadingStarted, this,
            [this] { m_parts.loading->showLoading(tvk::text("playback.loading")); });
    connect(core, &TVKPlayback::loadingEnded, m_parts.loading, &TVKLoadingIndicator::hideLoading);
    connect(m_parts.loading, &TVKLoadingIndicator::gaveUp, core, &TVKPlayback::abandonStart);
    connect(core, &TVKPlayback::telemetryPublished, m_parts.telemetryPanel,
            &TVKTelemetryPanel::setTelemetry);
    connect(core, &TVKPlayback::controlsReset, m_parts.telemetryPanel, &TVKTelemetryPanel::reset);
    // Every start leaves full screen and keeps the window at least at its minimum size.
    connect(core, &TVKPlayback::playStarted, this, [this] { stepWindowSize(0); });
    connect(core, &TVKPlayback::swapStarted, this, &TVKPlayerController::animateSwap);
    connect(core, &TVKPlayback::rowSelected, this, [&ui](qint64 row) {
        QTableView *table = ui.mediaListTableView;
        if (!table->model())
            return;
        const QModelIndex index = table->model()->index(static_cast<int>(row), 0);
        table->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect |
                                                   QItemSelectionModel::Rows);
        table->scrollTo(index);
    });
    connect(m_parts.window, &CustomWindow::contentResized, this,
            &TVKPlayerController::measureScale);
}

void TVKPlayerController::showTimes(qint64 time, qint64 remaining)
{
    m_parts.ui->timeField->setText(timeString(time));
    m_parts.ui->remainingField->setText(timeString(remaining));
}

void TVKPlayerController::measureScale()
{
    m_parts.playback->setVideoAreaHeight(m_parts.ui->videoContainerView->height());
}

void TVKPlayerController::animateSwap()
{
    // Each view grows out of the corner nearest the other view.
    QWidget *video1 = m_parts.video1View;
    QWidget *video2 = m_parts.video2View;
    video1->setGeometry(QRect(video1->parentWidget()->width(), 0, 0, 0));
    video2->setGeometry(QRect(0, video2->parentWidget()->height(), 0, 0));
    auto *group = new QParallelAnimationGroup(this);
    for (QWidget *view : {video1, video2}) {
        auto *grow = new QPropertyAnimation(view, "geometry", group);
        grow->setDuration(1500);
        grow->setEasingCurve(QEasingCurve::OutCubic);
        grow->setEndValue(view->parentWidget()->rect());
        group->addAnimation(grow);
    }
    group->start(QAbstractAnimation::DeleteWhenStopped);
}
