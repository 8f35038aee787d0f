#pragma once

#include "app/player/CustomWindow.h"
#include "app/player/PlayerWindowUi.h"
#include "core/catalogue/MediaList.h"

#include <QPointer>

#include <functional>

class ProgressIndicator;
class QLabel;
class FrameCapture;
class FramePrint;
class FullScreenStrip;
class LoadingIndicator;
class MediaListModel;
class Playback;
class PlayerController;
class TelemetryPanel;
class TripPanel;
class VideoView;
class VideoPlayer;

// The player window: the two videos, the recording list or the route map on the right, the
// folder choice and the window's life.
class PlayerWindow : public CustomWindow
{
    Q_OBJECT
    Q_PROPERTY(int rightViewMode READ rightViewMode NOTIFY rightViewModeChanged)
public:
    // Makes the player of a video view; the application uses libVLC, tests a scripted player.
    using PlayerFactory = std::function<VideoPlayer *(VideoView *view, QObject *parent)>;
    explicit PlayerWindow(PlayerFactory factory = {}, QWidget *parent = nullptr);
    ~PlayerWindow() override;

    const PlayerWindowUi &ui() const { return m_ui; }
    MediaList *mediaList() const { return m_mediaList; }
    MediaListModel *mediaListModel() const { return m_model; }
    Playback *playback() const { return m_playback; }
    PlayerController *playerController() const { return m_controller; }
    TelemetryPanel *telemetryPanel() const { return m_telemetryPanel; }
    LoadingIndicator *loadingIndicator() const { return m_loading; }
    FrameCapture *frameCapture() const { return m_capture; }
    FramePrint *framePrint() const { return m_print; }
    TripPanel *tripPanel() const { return m_tripPanel; }
    VideoPlayer *player1() const { return m_player1; }
    VideoPlayer *player2() const { return m_player2; }
    VideoView *video1View() const { return m_video1View; }
    VideoView *video2View() const { return m_video2View; }

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
    // Plays a recording from a moment, opening its card folder when another one is shown.
    void playFrom(const QString &path, double offsetSeconds);
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
    void connectCardIndex();
    void placeWindow();
    // A walk has published its catalogue.
    void showCatalogue();
    void keepAsLastDialog(QWidget *dialog);
    // Moves to the moment once the recording's start is in sight.
    void seekWhenStarted(const QString &path, double offsetSeconds);
    void layoutMapContainer();
    void layoutWindow();
    void updateEmptyListNote();
    // Over the whole empty list, or as a strip under the rows it would otherwise hide.
    void placeListNote();
    void connectControls();
    void fitVideoView(VideoView *view);

    PlayerWindowUi m_ui;
    MediaList *m_mediaList = nullptr;
    MediaListModel *m_model = nullptr;
    PlayerFactory m_factory;
    VideoView *m_video1View = nullptr;
    VideoView *m_video2View = nullptr;
    VideoPlayer *m_player1 = nullptr;
    VideoPlayer *m_player2 = nullptr;
    ProgressIndicator *m_progressIndicator = nullptr;
    LoadingIndicator *m_loading = nullptr;
    TelemetryPanel *m_telemetryPanel = nullptr;
    Playback *m_playback = nullptr;
    PlayerController *m_controller = nullptr;
    QLabel *m_emptyListNote = nullptr;   // over an empty list
    QLabel *m_listProblemNote = nullptr; // under the rows of a listed folder
    FrameCapture *m_capture = nullptr;
    FramePrint *m_print = nullptr;
    FullScreenStrip *m_strip = nullptr;
    TripPanel *m_tripPanel = nullptr;
    int m_rightViewMode = 0;
    QPointer<QWidget> m_lastDialogController;
};
