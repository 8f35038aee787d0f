#pragma once

#include <QWidget>

class CustomWindow;
class GraphView;
class LanguageButton;
class QHBoxLayout;
class QLabel;
class QSlider;
class QTableView;
class ImageButton;
class ElidedLabel;
class BezelButton;
class VideoBackdrop;
class ThreePartImage;
class MapView;

// The widgets of the player window, built in code because the window lays itself out anew
// for full screen. Names follow the window controller's outlets.
struct PlayerWindowUi
{
    QWidget *backgroundBox = nullptr;
    QWidget *headBox = nullptr;
    QWidget *bodyBox = nullptr;
    QWidget *bodyLeftBox = nullptr;
    QWidget *videoRowBox = nullptr;
    QWidget *bodyRightBox = nullptr;
    QWidget *videoBox = nullptr;
    VideoBackdrop *player1BackgroundView = nullptr;
    QWidget *videoContainerView = nullptr;
    QWidget *gsensorBox = nullptr;
    GraphView *graphView = nullptr;
    QWidget *mediaControlBox = nullptr;
    ThreePartImage *mediaControlBoxForFullScreen = nullptr;
    QWidget *sideButtonBox = nullptr;
    QWidget *mediaListBox = nullptr;
    QTableView *mediaListTableView = nullptr; // scrolls itself
    QWidget *mapContainerView = nullptr;
    QWidget *mapContainerTopView = nullptr;
    QWidget *mapContainerBottomView = nullptr;
    MapView *mapWebView = nullptr;
    QLabel *mapPositionField = nullptr;
    QWidget *subVideoBox = nullptr;
    VideoBackdrop *player2BackgroundView = nullptr;
    QWidget *subVideoHost = nullptr;
    QWidget *graphHost = nullptr;

    // Head bar.
    QLabel *titleLabel = nullptr;
    ElidedLabel *folderField = nullptr;
    QWidget *progressHost = nullptr;
    ImageButton *openFolderButton = nullptr;
    ImageButton *minimizeButton = nullptr;
    ImageButton *closeButton = nullptr;
    LanguageButton *languageButton = nullptr;
    ImageButton *clockButton = nullptr;
    ImageButton *settingsButton = nullptr;

    // Side buttons.
    ImageButton *recordButton = nullptr;
    ImageButton *informationButton = nullptr;

    // Readouts.
    QLabel *gsensorXField = nullptr;
    QLabel *gsensorYField = nullptr;
    QLabel *gsensorZField = nullptr;
    QLabel *speedField = nullptr;
    QLabel *hdopField = nullptr;
    QLabel *satelliteField = nullptr;

    // Media controls.
    QSlider *videoPositionSlider = nullptr;
    QSlider *videoPositionSliderForFullScreen = nullptr;
    QLabel *timeField = nullptr;
    QLabel *remainingField = nullptr;
    ImageButton *playButton = nullptr;
    ImageButton *playButtonForFullScreen = nullptr;
    ImageButton *jumpBackwardButton = nullptr;
    ImageButton *jumpForwardButton = nullptr;
    ImageButton *volumeDownButton = nullptr;
    ImageButton *volumeUpButton = nullptr;
    QSlider *volumeSlider = nullptr;
    ImageButton *audioToggleButton = nullptr;
    ImageButton *speedDownButton = nullptr;
    ImageButton *speedUpButton = nullptr;
    BezelButton *speedTextButton = nullptr;
    ImageButton *sizeDownButton = nullptr;
    ImageButton *sizeUpButton = nullptr;
    BezelButton *sizeTextButton = nullptr;
    ImageButton *swapButton = nullptr;
    ImageButton *fullScreenButton = nullptr;
    ImageButton *exitFullScreenButton = nullptr;

    void setupUi(CustomWindow *window);
    // Folded, the list and map stand beside the video and the rear video in the G-sensor
    // strip, under which the controls take the whole width: the window then holds on a narrow
    // screen (a laptop at scale factor 2).
    void setFolded(bool folded);
    bool isFolded() const { return m_folded; }

private:
    void buildMediaControls();
    void buildFullScreenStrip(QWidget *parent);
    void addStepper(QHBoxLayout *row, const char *name, const QString &text, ImageButton **down,
                    BezelButton **value, ImageButton **up);

    bool m_folded = false;
};
