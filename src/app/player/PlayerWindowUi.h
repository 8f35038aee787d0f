#pragma once

#include <QWidget>

class CustomWindow;
class GraphView;
class LanguageButton;
class QHBoxLayout;
class QLabel;
class QSlider;
class QTableView;
class TKImageButton;
class TKElidedLabel;
class TKImageButtonCell;
class TKVideoBackgroundImageView;
class TKThreePartImageView;
class TVKMapView;

// The widgets of the player window, built in code because the window lays itself out anew
// for full screen. Names follow the window controller's outlets.
struct PlayerWindowUi
{
    QWidget *backgroundBox = nullptr;
    QWidget *headBox = nullptr;
    QWidget *bodyBox = nullptr;
    QWidget *bodyLeftBox = nullptr;
    QWidget *bodyRightBox = nullptr;
    QWidget *videoBox = nullptr;
    TKVideoBackgroundImageView *player1BackgroundView = nullptr;
    QWidget *videoContainerView = nullptr;
    QWidget *gsensorBox = nullptr;
    GraphView *graphView = nullptr;
    QWidget *mediaControlBox = nullptr;
    TKThreePartImageView *mediaControlBoxForFullScreen = nullptr;
    QWidget *sideButtonBox = nullptr;
    QWidget *mediaListBox = nullptr;
    QTableView *mediaListTableView = nullptr; // scrolls itself
    QWidget *mapContainerView = nullptr;
    QWidget *mapContainerTopView = nullptr;
    QWidget *mapContainerBottomView = nullptr;
    TVKMapView *mapWebView = nullptr;
    QLabel *mapPositionField = nullptr;
    QWidget *subVideoBox = nullptr;
    TKVideoBackgroundImageView *player2BackgroundView = nullptr;
    QWidget *subVideoHost = nullptr;
    QWidget *graphHost = nullptr;

    // Head bar.
    QLabel *titleLabel = nullptr;
    TKElidedLabel *folderField = nullptr;
    QWidget *progressHost = nullptr;
    TKImageButton *openFolderButton = nullptr;
    TKImageButton *minimizeButton = nullptr;
    TKImageButton *closeButton = nullptr;
    LanguageButton *languageButton = nullptr;
    TKImageButton *clockButton = nullptr;
    TKImageButton *settingsButton = nullptr;

    // Side buttons.
    TKImageButton *recordButton = nullptr;
    TKImageButton *informationButton = nullptr;

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
    TKImageButton *playButton = nullptr;
    TKImageButton *playButtonForFullScreen = nullptr;
    TKImageButton *jumpBackwardButton = nullptr;
    TKImageButton *jumpForwardButton = nullptr;
    TKImageButton *volumeDownButton = nullptr;
    TKImageButton *volumeUpButton = nullptr;
    QSlider *volumeSlider = nullptr;
    TKImageButton *audioToggleButton = nullptr;
    TKImageButton *speedDownButton = nullptr;
    TKImageButton *speedUpButton = nullptr;
    TKImageButtonCell *speedTextButton = nullptr;
    TKImageButton *sizeDownButton = nullptr;
    TKImageButton *sizeUpButton = nullptr;
    TKImageButtonCell *sizeTextButton = nullptr;
    TKImageButton *swapButton = nullptr;
    TKImageButton *fullScreenButton = nullptr;
    TKImageButton *exitFullScreenButton = nullptr;

    void setupUi(CustomWindow *window);

private:
    void buildMediaControls();
    void buildFullScreenStrip(QWidget *parent);
    void addStepper(QHBoxLayout *row, const char *name, const QString &text, TKImageButton **down,
                    TKImageButtonCell **value, TKImageButton **up);
};
