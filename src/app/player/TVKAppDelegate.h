#pragma once

#include "app/player/PlayerWindowUi.h"
#include "core/catalogue/TVKMediaList.h"

#include <QObject>
#include <QPointer>

#include <functional>

class CustomWindow;
class PMProgressIndicator;
class QLabel;
class TVKFrameCapture;
class TVKFramePrint;
class TVKFullScreenStrip;
class TVKLoadingIndicator;
class TVKMediaListModel;
class TVKPlayback;
class TVKPlayerController;
class TVKTelemetryPanel;
class TVKTripPanel;
class VLCVideoView;
class VideoPlayer;

// The controller of the player window: start-up, the recording list or the route map on the
// right, the folder choice and the window's life.
class TVKAppDelegate : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int rightViewMode READ rightViewMode NOTIFY rightViewModeChanged)
public:
    // Makes the player of a video view; the application uses libVLC, tests a scripted player.
    using PlayerFactory = std::function<VideoPlayer *(VLCVideoView *view, QObject *parent)>;
    explicit TVKAppDelegate(PlayerFactory factory = {}, QObject *parent = nullptr);
    ~TVKAppDelegate() override;

    // Shows the window, and opens a folder when one is given.
    void launch(const QString &folder = {});

    CustomWindow *window() const { return m_window; }
    const PlayerWindowUi &ui() const { return m_ui; }
    TVKMediaList *mediaList() const { return m_mediaList; }
    TVKMediaListModel *mediaListModel() const { return m_model; }
    TVKPlayback *playback() const { return m_playback; }
    TVKPlayerController *playerController() const { return m_controller; }
    TVKTelemetryPanel *telemetryPanel() const { return m_telemetryPanel; }
    TVKLoadingIndicator *loadingIndicator() const { return m_loading; }
    TVKFrameCapture *frameCapture() const { return m_capture; }
    TVKFramePrint *framePrint() const { return m_print; }
    TVKTripPanel *tripPanel() const { return m_tripPanel; }
    VideoPlayer *player1() const { return m_player1; }
    VideoPlayer *player2() const { return m_player2; }
    VLCVideoView *video1View() const { return m_video1View; }
    VLCVideoView *video2View() const { return m_video2View; }

    // The minimum size centred in the available area of the window's screen.
    QRect minWindowFrame() const;

    int rightViewMode() const { return m_rightViewMode; }
    void clickMediaListViewButton();
    void clickMapViewButton();
    void updateSideViewButton();

    // Opens a folder: both players stop, the catalogue walks the folder in the background.
    void openFolder(const QString &folder);
    // Opens the card folder of a recording and plays it once the list shows it.
    void openRecording(const QString &path);
    void openMediaDirectoryDialog();
    void closeWindow();
    // The settings and clock windows; the one opened last is kept, the previous one closes.
    void showSettingPanel();
    // The settings window on a folder's copy of the card when no card is inserted.
    void showSettingsOf(const QString &folder);
    void showTimeSetupPanel();
    void toggleFullScreen();
    // Termination: playback stops and the players go before their views.
    void die();

signals:
    void rightViewModeChanged(int mode);
    // The catalogue has published a new list and the window shows it.
    void mediaListShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Set-up, in this order: the widgets, the parts bound to them, the window's frame.
    void buildWidgets();
    void connectParts();
    void placeWindow();
    // A walk has published its catalogue.
    void showCatalogue();
    void keepAsLastDialog(QWidget *dialog);
    void layoutMapContainer();
    void layoutWindow();
    void updateEmptyListNote();
    // Over the whole empty list, or as a strip under the rows it would otherwise hide.
    void placeListNote();
    void connectControls();
    void fitVideoView(VLCVideoView *view);

    CustomWindow *m_window = nullptr;
    PlayerWindowUi m_ui;
    TVKMediaList *m_mediaList = nullptr;
    TVKMediaListModel *m_model = nullptr;
    PlayerFactory m_factory;
    VLCVideoView *m_video1View = nullptr;
    VLCVideoView *m_video2View = nullptr;
    VideoPlayer *m_player1 = nullptr;
    VideoPlayer *m_player2 = nullptr;
    PMProgressIndicator *m_progressIndicator = nullptr;
    TVKLoadingIndicator *m_loading = nullptr;
    TVKTelemetryPanel *m_telemetryPanel = nullptr;
    TVKPlayback *m_playback = nullptr;
    TVKPlayerController *m_controller = nullptr;
    QLabel *m_emptyListNote = nullptr;   // over an empty list
    QLabel *m_listProblemNote = nullptr; // under the rows of a listed folder
    TVKFrameCapture *m_capture = nullptr;
    TVKFramePrint *m_print = nullptr;
    TVKFullScreenStrip *m_strip = nullptr;
    TVKTripPanel *m_tripPanel = nullptr;
    int m_rightViewMode = 0;
    QPointer<QWidget> m_lastDialogController;
};
