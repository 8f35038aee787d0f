#include "app/player/PlayerController.h"

#include "app/controls/BezelButton.h"
#include "app/controls/ImageButton.h"
#include "app/controls/VideoBackdrop.h"
#include "app/player/CustomWindow.h"
#include "app/player/LoadingIndicator.h"
#include "app/player/PlayerWindowUi.h"
#include "app/player/TelemetryPanel.h"
#include "core/common/cformat.h"
#include "core/common/strings.h"
#include "core/player/PlayInfo.h"
#include "core/player/Playback.h"
#include "core/player/VideoPlayer.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QSlider>
#include <QTableView>

PlayerController::PlayerController(const Parts &parts, QObject *parent)
    : QObject(parent), m_parts(parts)
{
    bindState();
    bindControls();
    bindKeys();
    PlayerWindowUi &ui = *m_parts.ui;
    const auto update = [this] {
        updateEnabled();
    };
    connect(m_parts.playback, &Playback::stateChanged, this, update);
    connect(m_parts.playback->playInfo(), &PlayInfo::isPlayingChanged, this, update);
    connect(ui.mediaListTableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            update);
    connect(ui.mediaListTableView->model(), &QAbstractItemModel::modelReset, this, update);
    updateEnabled();
}

void PlayerController::bindState()
{
    Playback *core = m_parts.playback;
    PlayerWindowUi &ui = *m_parts.ui;
    PlayInfo *info = core->playInfo();
    connect(info, &PlayInfo::speedChanged, this,
            [&ui](double speed) { ui.speedTextButton->setText(tvk::cformat("%.1fx", speed)); });
    // The zoom is unknown until a picture has been measured.
    const auto showScale = [&ui](double scale) {
        ui.sizeTextButton->setText(scale > 0 ? tvk::cformat("%.2fx", scale) : QStringLiteral("–"));
    };
    showScale(info->scale());
    connect(info, &PlayInfo::scaleChanged, this, showScale);
    connect(info, &PlayInfo::isPlayingChanged, this, [&ui](bool playing) {
        const QString image =
            playing ? QStringLiteral("icon_pause_n") : QStringLiteral("icon_play_n");
        ui.playButton->setImageName(image);
        ui.playButtonForFullScreen->setImageName(image);
    });
    connect(info, &PlayInfo::positionChanged, this, [this](double position) {
        m_parts.telemetryPanel->updateGsensorUIByPlayPosition(position);
        m_parts.telemetryPanel->updateGpsUIByPlayPosition(position);
    });
    connect(core, &Playback::shownPositionChanged, this, [this, &ui](double position) {
        const int value =
            static_cast<int>(std::lround(position * ui.videoPositionSlider->maximum()));
        m_updatingSliders = true;
        ui.videoPositionSlider->setValue(value);
        ui.videoPositionSliderForFullScreen->setValue(value);
        m_updatingSliders = false;
    });
    connect(core, &Playback::timeChanged, this, &PlayerController::showTimes);
    connect(core, &Playback::volumeChanged, this, [&ui](int volume) {
        const QSignalBlocker block(ui.volumeSlider);
        ui.volumeSlider->setValue(volume);
    });
    connect(core, &Playback::sidesChanged, this, [&ui](bool mainIsRear) {
        ui.player1BackgroundView->setLogoImage(mainIsRear ? QStringLiteral("v1_rear_logo")
                                                          : QStringLiteral("v1_front_logo"));
        ui.player2BackgroundView->setLogoImage(mainIsRear ? QStringLiteral("v2_front_logo")
                                                          : QStringLiteral("v2_rear_logo"));
    });
    connect(core, &Playback::partnerChanged, this, [this, &ui](bool shown) {
        m_hasPartner = shown;
        updateEnabled();
        m_parts.video2View->setVisible(shown);
        ui.audioToggleButton->setVisible(shown);
    });
    connect(core, &Playback::videoVisibilityChanged, this, [this](bool main, bool small) {
        m_parts.video1View->setVisible(main);
        m_parts.video2View->setVisible(small);
    });
    connect(core, &Playback::soundChoiceChanged, this, [&ui](bool shown, bool rear) {
        ui.audioToggleButton->setVisible(shown);
        ui.audioToggleButton->setChecked(rear);
        ui.audioToggleButton->setImageName(rear ? QStringLiteral("icon_sound_rear_n")
                                                : QStringLiteral("icon_sound_front_n"));
    });
    connect(core, &Playback::loadingStarted, this,
            [this] { m_parts.loading->showLoading(tvk::text("playback.loading")); });
    connect(core, &Playback::loadingEnded, m_parts.loading, &LoadingIndicator::hideLoading);
    connect(m_parts.loading, &LoadingIndicator::gaveUp, core, &Playback::abandonStart);
    connect(core, &Playback::telemetryPublished, m_parts.telemetryPanel,
            &TelemetryPanel::setTelemetry);
    connect(core, &Playback::controlsReset, m_parts.telemetryPanel, &TelemetryPanel::reset);
    // Every start leaves full screen and keeps the window at least at its minimum size.
    connect(core, &Playback::playStarted, this, [this] { stepWindowSize(0); });
    connect(core, &Playback::swapStarted, this, &PlayerController::animateSwap);
    connect(core, &Playback::rowSelected, this, [&ui](qint64 row) {
        QTableView *table = ui.mediaListTableView;
        if (!table->model())
            return;
        const QModelIndex index = table->model()->index(static_cast<int>(row), 0);
        table->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect |
                                                   QItemSelectionModel::Rows);
        table->scrollTo(index);
    });
    connect(m_parts.window, &CustomWindow::contentResized, this, &PlayerController::measureScale);
}

void PlayerController::showTimes(qint64 time, qint64 remaining)
{
    m_parts.ui->timeField->setText(timeString(time));
    m_parts.ui->remainingField->setText(timeString(remaining));
}

void PlayerController::measureScale()
{
    m_parts.playback->setVideoAreaHeight(m_parts.ui->videoContainerView->height());
}

void PlayerController::animateSwap()
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
