#include "app/player/TVKAppDelegate.h"

#include "app/card/UDisksVolumeLabeller.h"
#include "app/controls/PMProgressIndicator.h"
#include "app/controls/ControlTip.h"
#include "app/controls/TKElidedLabel.h"
#include "app/controls/TKImageButton.h"
#include "app/controls/TKThreePartImageView.h"
#include "app/controls/TKVideoBackgroundImageView.h"
#include "app/controls/TVKAlert.h"
#include "app/controls/TVKNotice.h"
#include "app/index/CardIndexInstall.h"
#include "app/player/CardOfferBar.h"
#include "app/player/CupsPrintService.h"
#include "app/player/CustomWindow.h"
#include "app/player/HeadBarButton.h"
#include "app/player/TVKFrameCapture.h"
#include "app/player/TVKFramePrint.h"
#include "app/player/TVKFullScreenStrip.h"
#include "app/player/TVKLoadingIndicator.h"
#include "app/player/TVKMediaCellDelegate.h"
#include "app/player/TVKMediaListModel.h"
#include "app/player/TVKPlayerController.h"
#include "app/player/TVKTelemetryPanel.h"
#include "app/player/TripWidgets.h"
#include "app/player/VLCMediaPlayer.h"
#include "app/player/VLCVideoView.h"
#include "app/telemetry/GraphView.h"
#include "app/telemetry/TVKMapView.h"
#include "app/trips/TVKTripPanel.h"
#include "core/card/LsblkVolumeSource.h"
#include "core/catalogue/CardFolder.h"
#include "core/common/strings.h"
#include "core/player/TVKPlayInfo.h"
#include "core/player/TVKPlayback.h"
#include "core/settings/SettingsFileSearch.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QSettings>
#include <QShortcut>
#include <QTableView>
#include <QtConcurrent/QtConcurrentRun>

TVKAppDelegate::TVKAppDelegate(PlayerFactory factory, QObject *parent)
    : QObject(parent), m_factory(std::move(factory))
{
    if (!m_factory) {
        m_factory = [](VLCVideoView *view, QObject *owner) -> VideoPlayer * {
            return new VLCMediaPlayer(view, owner);
        };
    }
    m_window = new CustomWindow;
    buildWidgets();
    connectParts();
    placeWindow();
}

TVKAppDelegate::~TVKAppDelegate()
{
    die();
    delete m_window;
}

void TVKAppDelegate::buildWidgets()
{
    m_ui.setupUi(m_window);
    m_window->setTitleBar(m_ui.headBox);

    // Video views float in their hosts (no layout) so that a swap can animate them.
    m_video1View = new VLCVideoView(m_ui.videoContainerView);
    m_video2View = new VLCVideoView(m_ui.subVideoHost);
    for (QWidget *host : {m_ui.videoContainerView, m_ui.subVideoHost}) {
        delete host->layout();
        host->installEventFilter(this);
    }
    // Fill or the whole picture: one choice for both views, kept between runs.
    for (VLCVideoView *view : {m_video1View, m_video2View}) {
        view->setFillScreen(VLCVideoView::storedFillScreen());
        connect(view, &VLCVideoView::fillScreenChosen, this, [this](bool fill) {
            m_video1View->setFillScreen(fill);
            m_video2View->setFillScreen(fill);
            VLCVideoView::storeFillScreen(fill);
        });
    }
    m_player1 = m_factory(m_video1View, this);
    m_player2 = m_factory(m_video2View, this);

    m_mediaList = new TVKMediaList(this);
    m_ui.mediaControlBoxForFullScreen->setImagesLeft(QStringLiteral("bottom-background_left"),
                                                     QStringLiteral("bottom-background_middle"),
                                                     QStringLiteral("bottom-background_right"));
    m_ui.player1BackgroundView->setBackgroundNineImageName(QStringLiteral("v1"));
    m_ui.player1BackgroundView->setLogoImage(QStringLiteral("v1_front_logo"));
    m_ui.player2BackgroundView->setBackgroundNineImageName(QStringLiteral("v2"));
    m_ui.player2BackgroundView->setLogoImage(QStringLiteral("v2_rear_logo"));

    m_ui.graphView = new GraphView(m_ui.graphHost);
    m_ui.graphHost->layout()->addWidget(m_ui.graphView);
    m_ui.mapWebView = new TVKMapView(m_ui.mapContainerTopView);
    m_ui.mapContainerTopView->layout()->addWidget(m_ui.mapWebView);
    m_progressIndicator = new PMProgressIndicator(m_ui.progressHost);
    m_progressIndicator->setObjectName(QStringLiteral("progressIndicator"));
    m_progressIndicator->setFixedHeight(6);
    m_ui.progressHost->layout()->addWidget(m_progressIndicator);
    m_ui.folderField->setObstacle(m_progressIndicator);
    m_loading = new TVKLoadingIndicator(m_progressIndicator, m_ui.headBox, this);

    m_model = new TVKMediaListModel(m_mediaList, this);
    QTableView *table = m_ui.mediaListTableView;
    table->setModel(m_model);
    TVKMediaCellDelegate::install(table, m_ui.bodyRightBox);
    m_emptyListNote = new QLabel(table->viewport());
    m_emptyListNote->setObjectName(QStringLiteral("emptyListNote"));
    m_emptyListNote->setAlignment(Qt::AlignCenter);
    m_emptyListNote->setWordWrap(true);
    // What went wrong with a folder that still lists recordings stands below the rows, so that
    // the last of them stay in sight; a long report is cut, with all of it in the tooltip.
    m_listProblemNote = new QLabel(m_ui.mediaListBox);
    m_listProblemNote->setObjectName(QStringLiteral("listProblemNote"));
    m_listProblemNote->setWordWrap(true);
    m_listProblemNote->setMaximumHeight(80);
    m_listProblemNote->hide();
    if (auto *grid = qobject_cast<QGridLayout *>(m_ui.mediaListBox->layout()))
        grid->addWidget(m_listProblemNote, 1, 0);
    table->viewport()->installEventFilter(this);
    connect(m_model, &TVKMediaListModel::folderDropped, this, &TVKAppDelegate::openFolder);
}

void TVKAppDelegate::connectParts()
{
    connect(m_mediaList, &TVKMediaList::catalogueChanged, this, &TVKAppDelegate::showCatalogue);
    m_telemetryPanel =
        new TVKTelemetryPanel({m_ui.graphView, m_ui.mapWebView, m_ui.gsensorXField,
                               m_ui.gsensorYField, m_ui.gsensorZField, m_ui.speedField,
                               m_ui.hdopField, m_ui.satelliteField, m_ui.mapPositionField},
                              m_player1, this);
    m_playback = new TVKPlayback(m_mediaList, m_player1, m_player2, {}, {}, this);
    m_controller = new TVKPlayerController(
        {m_window, &m_ui, m_playback, m_video1View, m_video2View, m_loading, m_telemetryPanel},
        this);
    connect(m_playback, &TVKPlayback::controlsReset, this, &TVKAppDelegate::updateSideViewButton);
    connect(m_playback, &TVKPlayback::playStartFailed, this, [this](const QString &path) {
        showAlert(m_window, QGuiApplication::applicationDisplayName(),
                  tvk::text("player.cannot_play").arg(QFileInfo(path).fileName()));
    });
    connect(m_playback, &TVKPlayback::noPicture, this, [this](const QString &path) {
        showNoticeSheet(m_window, QGuiApplication::applicationDisplayName(),
                        tvk::text("player.no_picture").arg(QFileInfo(path).fileName()));
    });
    connect(m_window, &CustomWindow::isFullScreenChanged, this, &TVKAppDelegate::layoutWindow);
    // libVLC makes its video output a moment after it reports playing: measure the scale
    // when the first picture arrives.
    connect(m_video1View, &VLCVideoView::firstFrameShown, m_controller,
            &TVKPlayerController::measureScale);
    connect(m_window, &CustomWindow::closing, m_playback, &TVKPlayback::stop);
    connectControls();

    // Saving and printing the main player's frame from the head bar; more controls in the
    // full-screen strip.
    m_capture = new TVKFrameCapture(m_window, m_player1, this);
    m_print = new TVKFramePrint(m_window, m_player1, m_capture,
                                std::make_unique<CupsPrintService>(), this);
    connect(addHeadBarButton(m_ui, "captureButton", "icon_capture_n", "player.capture"),
            &QAbstractButton::clicked, m_capture, &TVKFrameCapture::captureVideo);
    connect(addHeadBarButton(m_ui, "printButton", "icon_print_n", "player.print"),
            &QAbstractButton::clicked, m_print, &TVKFramePrint::print);
    // A card mounted while the window is open is offered; the open folder stays until a click.
    CardOfferBar *offer = installCardOffer(m_ui, m_window, m_mediaList);
    connect(offer, &CardOfferBar::openRequested, this, &TVKAppDelegate::openFolder);
    connect(offer, &CardOfferBar::settingsRequested, this, &TVKAppDelegate::showSettingsOf);
    m_tripPanel = new TVKTripPanel(addTripWidgets(m_window, m_ui), m_mediaList, m_playback, this);
    connect(this, &TVKAppDelegate::mediaListShown, m_tripPanel, &TVKTripPanel::catalogueChanged);
    installCardIndex(this);
    m_strip = new TVKFullScreenStrip(m_ui, m_playback, this);
    connect(m_strip->jumpBackwardButton(), &QAbstractButton::clicked, m_playback,
            &TVKPlayback::jumpBackward);
    connect(m_strip->jumpForwardButton(), &QAbstractButton::clicked, m_playback,
            &TVKPlayback::jumpForward);

    m_ui.titleLabel->setText(QStringLiteral("TAVIK <span style='font-weight:400'>Viewer</span>"));
    m_window->setWindowTitle(QStringLiteral("Tavik Viewer"));
    m_rightViewMode = 0;
    updateSideViewButton();
    m_playback->setVolume(70);
    m_playback->playInfo()->setIsPlaying(false);
    m_video1View->hide();
    m_video2View->hide();
    m_ui.audioToggleButton->hide();
    layoutWindow();
    updateEmptyListNote();

    // Looking for the camera's card renames a card that holds a valid config.bin to TAVIK, as
    // the settings window does; the card is only looked at here, off the interface thread.
    (void)QtConcurrent::run([] {
        LsblkVolumeSource volumes;
        UDisksVolumeLabeller labeller;
        SettingsCardSelection selection;
        findUSBVolume(volumes, labeller, selection);
    });
}

void TVKAppDelegate::connectControls()
{
    connect(m_ui.fullScreenButton, &QAbstractButton::clicked, this,
            &TVKAppDelegate::toggleFullScreen);
    connect(m_ui.exitFullScreenButton, &QAbstractButton::clicked, this,
            &TVKAppDelegate::toggleFullScreen);
    m_ui.fullScreenButton->setToolTip(tvk::text("player.full_screen"));
    connect(m_ui.openFolderButton, &QAbstractButton::clicked, this,
            &TVKAppDelegate::openMediaDirectoryDialog);
    connect(m_ui.closeButton, &QAbstractButton::clicked, this, &TVKAppDelegate::closeWindow);
    connect(m_ui.minimizeButton, &QAbstractButton::clicked, m_window, &QWidget::showMinimized);
    connect(m_ui.settingsButton, &QAbstractButton::clicked, this,
            &TVKAppDelegate::showSettingPanel);
    connect(m_ui.clockButton, &QAbstractButton::clicked, this, &TVKAppDelegate::showTimeSetupPanel);
    connect(m_ui.recordButton, &QAbstractButton::clicked, this,
            &TVKAppDelegate::clickMediaListViewButton);
    connect(m_ui.informationButton, &QAbstractButton::clicked, this,
            &TVKAppDelegate::clickMapViewButton);
    m_ui.openFolderButton->setToolTip(tvk::text("player.open_folder"));
    m_ui.recordButton->setToolTip(tvk::text("player.recordings"));
    m_ui.informationButton->setToolTip(tvk::text("player.route_map"));

    connect(new QShortcut(QKeySequence(Qt::Key_F), m_window), &QShortcut::activated, this,
            &TVKAppDelegate::toggleFullScreen);
    connect(new QShortcut(QKeySequence::Open, m_window), &QShortcut::activated, this,
            &TVKAppDelegate::openMediaDirectoryDialog);
    connect(new QShortcut(QKeySequence::Quit, m_window), &QShortcut::activated, this,
            &TVKAppDelegate::closeWindow);
    // What a screen reader says for controls that show only a picture, and the keys beside
    // what they do.
    tvk::setControlTip(m_ui.openFolderButton, tvk::text("player.open_folder"), QKeySequence::Open);
    tvk::setControlTip(m_ui.clockButton, tvk::text("access.clock_button"));
    tvk::setControlTip(m_ui.settingsButton, tvk::text("access.settings_button"));
    tvk::setControlTip(m_ui.minimizeButton, tvk::text("access.minimize"));
    tvk::setControlTip(m_ui.closeButton, tvk::text("access.close"), QKeySequence::Quit);
    m_ui.videoPositionSlider->setAccessibleName(tvk::text("access.position"));
    m_ui.videoPositionSliderForFullScreen->setAccessibleName(tvk::text("access.position"));
    m_ui.volumeSlider->setAccessibleName(tvk::text("access.volume"));
    m_ui.mediaListTableView->setAccessibleName(tvk::text("player.recordings"));
}

void TVKAppDelegate::placeWindow()
{
    QSettings settings;
    tvk::recordPreferredLanguages(settings);
    // On a screen smaller than the minimum frame the window takes what there is.
    const QRect frame = minWindowFrame();
    m_window->setMinimumSize(frame.size());
    m_window->setGeometry(frame);
    m_window->setInitialFrame(m_window->geometry());
}

void TVKAppDelegate::launch(const QString &folder)
{
    m_window->show();
    if (!folder.isEmpty())
        openFolder(folder);
}

void TVKAppDelegate::die()
{
    if (!m_playback)
        return;
    m_playback->stop();
    delete m_controller;
    m_controller = nullptr;
    delete m_playback;
    m_playback = nullptr;
    delete m_player1;
    m_player1 = nullptr;
    delete m_player2;
    m_player2 = nullptr;
}
