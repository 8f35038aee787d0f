// The media controls under the video and the strip that replaces them in full screen.
#include "app/controls/BezelButton.h"
#include "app/controls/ThreePartImage.h"
#include "app/player/PlayerWindowParts.h"
#include "app/player/PlayerWindowUi.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace playerui;

void PlayerWindowUi::buildFullScreenStrip(QWidget *parent)
{
    mediaControlBoxForFullScreen = new ThreePartImage(parent);
    mediaControlBoxForFullScreen->setObjectName(QStringLiteral("mediaControlBoxForFullScreen"));
    mediaControlBoxForFullScreen->setFixedHeight(36);
    auto *strip = new QHBoxLayout(mediaControlBoxForFullScreen);
    strip->setContentsMargins(12, 2, 12, 2);
    playButtonForFullScreen =
        imageButton("playButtonForFullScreen", "icon_play_n", mediaControlBoxForFullScreen);
    videoPositionSliderForFullScreen =
        slider("videoPositionSliderForFullScreen", mediaControlBoxForFullScreen, 10000);
    exitFullScreenButton =
        imageButton("exitFullScreenButton", "icon_fullscreen_exit_n", mediaControlBoxForFullScreen);
    strip->addWidget(playButtonForFullScreen);
    strip->addWidget(videoPositionSliderForFullScreen, 1);
    strip->addWidget(exitFullScreenButton);
}

// A down button, the value between and an up button: "speedDownButton" with the image
// "icon_speed_down_n", "speedTextButton", "speedUpButton".
void PlayerWindowUi::addStepper(QHBoxLayout *row, const char *name, const QString &text,
                                ImageButton **down, BezelButton **value, ImageButton **up)
{
    const auto make = [this, name](const char *which, const char *image) {
        const QByteArray objectName = QByteArray(name) + which + "Button";
        const QByteArray imageName = "icon_" + QByteArray(name) + '_' + image + "_n";
        return imageButton(objectName.constData(), imageName.constData(), mediaControlBox);
    };
    *down = make("Down", "down");
    *value = new BezelButton(mediaControlBox);
    (*value)->setObjectName(QLatin1String(name) + QStringLiteral("TextButton"));
    (*value)->setText(text);
    // The widest value ("0.00x") keeps room when the row is short.
    (*value)->ensurePolished();
    (*value)->setMinimumWidth((*value)->fontMetrics().horizontalAdvance(QStringLiteral("0.00x")) +
                              8);
    *up = make("Up", "up");
    row->addWidget(*down);
    row->addWidget(*value);
    row->addWidget(*up);
    row->addSpacing(4);
}

void PlayerWindowUi::buildMediaControls()
{
    auto *controls = new QVBoxLayout(mediaControlBox);
    controls->setContentsMargins(12, 6, 12, 6);
    controls->setSpacing(2);

    auto *positionRow = new QHBoxLayout;
    positionRow->setSpacing(10);
    timeField = field("timeField", mediaControlBox, QStringLiteral("00:00"));
    remainingField = field("remainingField", mediaControlBox, QStringLiteral("00:00"));
    videoPositionSlider = slider("videoPositionSlider", mediaControlBox, 10000);
    positionRow->addWidget(timeField);
    positionRow->addWidget(videoPositionSlider, 1);
    positionRow->addWidget(remainingField);
    controls->addLayout(positionRow);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    jumpBackwardButton = imageButton("jumpBackwardButton", "icon_jump_backward_n", mediaControlBox);
    playButton = imageButton("playButton", "icon_play_n", mediaControlBox, 36);
    jumpForwardButton = imageButton("jumpForwardButton", "icon_jump_forward_n", mediaControlBox);
    buttons->addWidget(jumpBackwardButton);
    buttons->addWidget(playButton);
    buttons->addWidget(jumpForwardButton);
    buttons->addSpacing(4);

    volumeDownButton = imageButton("volumeDownButton", "icon_volume_down_n", mediaControlBox);
    volumeSlider = slider("volumeSlider", mediaControlBox, 200);
    // Gives way first when the row is short, down to a still usable length.
    volumeSlider->setMinimumWidth(44);
    volumeSlider->setMaximumWidth(96);
    volumeSlider->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    volumeUpButton = imageButton("volumeUpButton", "icon_volume_up_n", mediaControlBox);
    audioToggleButton = imageButton("audioToggleButton", "icon_sound_front_n", mediaControlBox);
    audioToggleButton->setCheckable(true);
    buttons->addWidget(volumeDownButton);
    buttons->addWidget(volumeSlider, 1);
    buttons->addWidget(volumeUpButton);
    buttons->addWidget(audioToggleButton);
    buttons->addStretch(1);

    addStepper(buttons, "speed", QStringLiteral("1.0x"), &speedDownButton, &speedTextButton,
               &speedUpButton);
    addStepper(buttons, "size", QStringLiteral("0.00x"), &sizeDownButton, &sizeTextButton,
               &sizeUpButton);

    swapButton = imageButton("swapButton", "icon_swap_n", mediaControlBox);
    fullScreenButton = imageButton("fullScreenButton", "icon_fullscreen_n", mediaControlBox);
    buttons->addWidget(swapButton);
    buttons->addWidget(fullScreenButton);
    controls->addLayout(buttons);
}
