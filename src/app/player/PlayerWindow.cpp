#include "app/player/PlayerWindow.h"

#include "app/card/UDisksVolumeLabeller.h"
#include "app/controls/Alert.h"
#include "app/controls/ControlTip.h"
#include "app/controls/ElidedLabel.h"
#include "app/controls/ImageButton.h"
#include "app/controls/Notice.h"
#include "app/controls/ProgressIndicator.h"
#include "app/controls/ReadingOrder.h"
#include "app/controls/ThreePartImage.h"
#include "app/controls/VideoBackdrop.h"
#include "app/index/CardIndexPanel.h"
#include "app/player/CardOfferBar.h"
#include "app/player/CupsPrintService.h"
#include "app/player/CustomWindow.h"
#include "app/player/FrameCapture.h"
#include "app/player/FramePrint.h"
#include "app/player/FullScreenStrip.h"
#include "app/player/HeadBarButton.h"
#include "app/player/LoadingIndicator.h"
#include "app/player/MediaItemDelegate.h"
#include "app/player/MediaListModel.h"
#include "app/player/PlayerController.h"
#include "app/player/TelemetryPanel.h"
#include "app/player/TripWidgets.h"
#include "app/player/VideoView.h"
#include "app/player/VlcPlayer.h"
#include "app/telemetry/GraphView.h"
#include "app/telemetry/MapView.h"
#include "app/trips/TripPanel.h"
#include "app/trips/TripRouteLayer.h"
#include "core/card/LsblkVolumeSource.h"
#include "core/catalogue/CardFolder.h"
#include "core/common/strings.h"
#include "core/player/PlayInfo.h"
#include "core/player/Playback.h"
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

PlayerWindow::PlayerWindow(PlayerFactory factory, QWidget *parent)
    : CustomWindow(parent), m_factory(std::move(factory))
{
    if (!m_factory) {
        m_factory = [](VideoView *view, QObject *owner) -> VideoPlayer * {
            return new VlcPlayer(view, owner);
        };
    }
    followReadingOrder(this);
    buildWidgets();
    connectParts();
    placeWindow();
    // The keyboard starts on the window itself, where its shortcuts act, rather than on the
    // first of its buttons; Tab goes on from there.
    setFocus(Qt::OtherFocusReason);
}

PlayerWindow::~PlayerWindow()
{
    die();
    // The widgets go before the parts that feed them: nothing paints from a part half gone.
    qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
}

void PlayerWindow::buildWidgets()
{
    m_ui.setupUi(this);
    setTitleBar(m_ui.headBox);

    // Video views float in their hosts (no layout) so that a swap can animate them.
    m_video1View = new VideoView(m_ui.videoContainerView);
    m_video2View = new VideoView(m_ui.subVideoHost);
    for (QWidget *host : {m_ui.videoContainerView, m_ui.subVideoHost}) {
        delete host->layout();
        host->installEventFilter(this);
    }
    // Fill or the whole picture: one choice for both views, kept between runs.
    for (VideoView *view : {m_video1View, m_video2View}) {
        view->setFillScreen(VideoView::storedFillScreen());
        connect(view, &VideoView::fillScreenChosen, this, [this](bool fill) {
            m_video1View->setFillScreen(fill);
            m_video2View->setFillScreen(fill);
            VideoView::storeFillScreen(fill);
        });
    }
    m_player1 = m_factory(m_video1View, this);
    m_player2 = m_factory(m_video2View, this);

    m_mediaList = new MediaList(this);
    m_ui.mediaControlBoxForFullScreen->setImagesLeft(QStringLiteral("bottom-background_left"),
                                                     QStringLiteral("bottom-background_middle"),
                                                     QStringLiteral("bottom-background_right"));
    m_ui.player1BackgroundView->setBackgroundNineImageName(QStringLiteral("v1"));
    m_ui.player1BackgroundView->setLogoImage(QStringLiteral("v1_front_logo"));
    m_ui.player2BackgroundView->setBackgroundNineImageName(QStringLiteral("v2"));
    m_ui.player2BackgroundView->setLogoImage(QStringLiteral("v2_rear_logo"));

    m_ui.graphView = new GraphView(m_ui.graphHost);
    m_ui.graphHost->layout()->addWidget(m_ui.graphView);
    m_ui.mapWebView = new MapView(m_ui.mapContainerTopView);
    m_ui.mapContainerTopView->layout()->addWidget(m_ui.mapWebView);
    m_progressIndicator = new ProgressIndicator(m_ui.progressHost);
    m_progressIndicator->setObjectName(QStringLiteral("progressIndicator"));
    m_progressIndicator->setFixedHeight(6);
    m_ui.progressHost->layout()->addWidget(m_progressIndicator);
    m_ui.folderField->setObstacle(m_progressIndicator);
    m_loading = new LoadingIndicator(m_progressIndicator, m_ui.headBox, this);

    m_model = new MediaListModel(m_mediaList, this);
    QTableView *table = m_ui.mediaListTableView;
    table->setModel(m_model);
    MediaItemDelegate::install(table, m_ui.bodyRightBox);
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
    connect(m_model, &MediaListModel::folderDropped, this, &PlayerWindow::openFolder);
}

void PlayerWindow::connectParts()
{
    connect(m_mediaList, &MediaList::catalogueChanged, this, &PlayerWindow::showCatalogue);
    m_telemetryPanel =
        new TelemetryPanel({m_ui.graphView, m_ui.mapWebView, m_ui.gsensorXField, m_ui.gsensorYField,
                            m_ui.gsensorZField, m_ui.speedField, m_ui.hdopField,
                            m_ui.satelliteField, m_ui.mapPositionField},
                           m_player1, this);
    m_playback = new Playback(m_mediaList, m_player1, m_player2, {}, {}, this);
    m_controller = new PlayerController(
        {this, &m_ui, m_playback, m_video1View, m_video2View, m_loading, m_telemetryPanel}, this);
    connect(m_playback, &Playback::controlsReset, this, &PlayerWindow::updateSideViewButton);
    connect(m_playback, &Playback::playStartFailed, this, [this](const QString &path) {
        showAlert(this, QGuiApplication::applicationDisplayName(),
                  tvk::text("player.cannot_play").arg(QFileInfo(path).fileName()));
    });
    connect(m_playback, &Playback::noPicture, this, [this](const QString &path) {
        showNoticeSheet(this, QGuiApplication::applicationDisplayName(),
                        tvk::text("player.no_picture").arg(QFileInfo(path).fileName()));
    });
    connect(this, &CustomWindow::isFullScreenChanged, this, &PlayerWindow::layoutWindow);
    connect(this, &CustomWindow::contentResized, this, &PlayerWindow::layoutWindow);
    // libVLC makes its video output a moment after it reports playing: measure the scale
    // when the first picture arrives.
    connect(m_video1View, &VideoView::firstFrameShown, m_controller,
            &PlayerController::measureScale);
    // What is drawn beside the pictures waits until both are painted.
    for (VideoView *view : {m_video1View, m_video2View}) {
        connect(
            view, &VideoView::firstFrameShown, m_playback,
            [this] {
                if (m_video1View->showsPicture() &&
                    (!m_player2->hasMedia() || m_video2View->showsPicture()))
                    m_playback->picturesShown();
            },
            Qt::QueuedConnection);
    }
    connect(this, &CustomWindow::closing, m_playback, &Playback::stop);
    connectControls();

    // Saving and printing the main player's frame from the head bar; more controls in the
    // full-screen strip.
    m_capture = new FrameCapture(this, m_player1, this);
    m_print =
        new FramePrint(this, m_player1, m_capture, std::make_unique<CupsPrintService>(), this);
    connect(addHeadBarButton(m_ui, "captureButton", "icon_capture_n", "player.capture"),
            &QAbstractButton::clicked, m_capture, &FrameCapture::captureVideo);
    connect(addHeadBarButton(m_ui, "printButton", "icon_print_n", "player.print"),
            &QAbstractButton::clicked, m_print, &FramePrint::print);
    // A card mounted while the window is open is offered; the open folder stays until a click.
    CardOfferBar *offer = installCardOffer(m_ui, this, m_mediaList);
    connect(offer, &CardOfferBar::openRequested, this, &PlayerWindow::openFolder);
    connect(offer, &CardOfferBar::settingsRequested, this, &PlayerWindow::showSettingsOf);
    m_tripPanel = new TripPanel(addTripWidgets(this, m_ui), m_mediaList, m_playback, this);
    connect(this, &PlayerWindow::mediaListShown, m_tripPanel, &TripPanel::catalogueChanged);
    connectCardIndex();
    m_strip = new FullScreenStrip(m_ui, m_playback, this);
    connect(m_strip->jumpBackwardButton(), &QAbstractButton::clicked, m_playback,
            &Playback::jumpBackward);
    connect(m_strip->jumpForwardButton(), &QAbstractButton::clicked, m_playback,
            &Playback::jumpForward);

    m_ui.titleLabel->setText(QStringLiteral("TAVIK <span style='font-weight:400'>Viewer</span>"));
    setWindowTitle(QStringLiteral("Tavik Viewer"));
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

void PlayerWindow::connectCardIndex()
{
    // The card's index: the progress line under the list, "Recordings here" under the map,
    // "All drives" beside the position; each folder shown is indexed, and a pass chosen plays
    // from its moment.
    auto *index = new CardIndexPanel(m_ui.mapWebView, m_ui.mediaListBox, {}, this);
    index->setRouteCache(m_tripPanel->routeLayer()->cache());
    if (auto *grid = qobject_cast<QGridLayout *>(m_ui.mediaListBox->layout()))
        grid->addWidget(index->progressLine(), 2, 0);
    if (auto *grid = qobject_cast<QGridLayout *>(m_ui.mapContainerTopView->layout()))
        grid->addWidget(index->passPanel(), 1, 0);
    if (QLayout *bottom = m_ui.mapContainerBottomView->layout())
        bottom->addWidget(index->allDrivesButton());
    connect(this, &PlayerWindow::mediaListShown, index,
            [this, index] { index->setFolder(m_mediaList->directoryPath()); });
    connect(index, &CardIndexPanel::playRequested, this, &PlayerWindow::playFrom);
}

void PlayerWindow::connectControls()
{
    connect(m_ui.fullScreenButton, &QAbstractButton::clicked, this,
            &PlayerWindow::toggleFullScreen);
    connect(m_ui.exitFullScreenButton, &QAbstractButton::clicked, this,
            &PlayerWindow::toggleFullScreen);
    m_ui.fullScreenButton->setToolTip(tvk::text("player.full_screen"));
    connect(m_ui.openFolderButton, &QAbstractButton::clicked, this,
            &PlayerWindow::openMediaDirectoryDialog);
    connect(m_ui.closeButton, &QAbstractButton::clicked, this, &PlayerWindow::closeWindow);
    connect(m_ui.minimizeButton, &QAbstractButton::clicked, this, &QWidget::showMinimized);
    connect(m_ui.settingsButton, &QAbstractButton::clicked, this, &PlayerWindow::showSettingPanel);
    connect(m_ui.clockButton, &QAbstractButton::clicked, this, &PlayerWindow::showTimeSetupPanel);
    connect(m_ui.recordButton, &QAbstractButton::clicked, this,
            &PlayerWindow::clickMediaListViewButton);
    connect(m_ui.informationButton, &QAbstractButton::clicked, this,
            &PlayerWindow::clickMapViewButton);
    m_ui.openFolderButton->setToolTip(tvk::text("player.open_folder"));
    m_ui.recordButton->setToolTip(tvk::text("player.recordings"));
    m_ui.informationButton->setToolTip(tvk::text("player.route_map"));

    connect(new QShortcut(QKeySequence(Qt::Key_F), this), &QShortcut::activated, this,
            &PlayerWindow::toggleFullScreen);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
            &PlayerWindow::openMediaDirectoryDialog);
    connect(new QShortcut(QKeySequence::Quit, this), &QShortcut::activated, this,
            &PlayerWindow::closeWindow);
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

void PlayerWindow::placeWindow()
{
    QSettings settings;
    tvk::recordPreferredLanguages(settings);
    // On a screen smaller than the usual frame the window takes what there is, folded.
    const QRect frame = minWindowFrame();
    setMinimumSize(CustomWindow::minimumFrameSize().boundedTo(frame.size()));
    setGeometry(frame);
    setInitialFrame(geometry());
    layoutWindow();
}

void PlayerWindow::die()
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
