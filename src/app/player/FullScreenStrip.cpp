#include "app/player/FullScreenStrip.h"

#include "app/controls/ImageButton.h"
#include "app/controls/ThreePartImage.h"
#include "app/player/PlayerWindowUi.h"
#include "core/common/strings.h"
#include "core/player/Playback.h"
#include "core/player/VideoPlayer.h"

#include <QBoxLayout>
#include <QLabel>
#include <QSlider>

namespace {

ImageButton *stripButton(const char *name, const char *image, const char *tip, QWidget *strip)
{
    auto *button = new ImageButton(strip);
    button->setObjectName(QLatin1String(name));
    button->setImageName(QLatin1String(image));
    button->setFixedSize(32, 32);
    button->setToolTip(tvk::text(tip));
    return button;
}

QLabel *timeLabel(const char *name, QWidget *strip)
{
    auto *label = new QLabel(timeString(0), strip);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

FullScreenStrip::FullScreenStrip(PlayerWindowUi &ui, Playback *playback, QObject *parent)
    : QObject(parent)
{
    QWidget *strip = ui.mediaControlBoxForFullScreen;
    auto *layout = qobject_cast<QBoxLayout *>(strip->layout());
    m_jumpBackward = stripButton("jumpBackwardButtonForFullScreen", "icon_jump_backward_n",
                                 "player.jump_backward", strip);
    m_jumpForward = stripButton("jumpForwardButtonForFullScreen", "icon_jump_forward_n",
                                "player.jump_forward", strip);
    m_time = timeLabel("timeFieldForFullScreen", strip);
    m_remaining = timeLabel("remainingFieldForFullScreen", strip);
    // play | back | forward | time | position | remaining | leave
    const int play = layout->indexOf(ui.playButtonForFullScreen);
    layout->insertWidget(play + 1, m_jumpBackward);
    layout->insertWidget(play + 2, m_jumpForward);
    layout->insertWidget(layout->indexOf(ui.videoPositionSliderForFullScreen), m_time);
    layout->insertWidget(layout->indexOf(ui.videoPositionSliderForFullScreen) + 1, m_remaining);
    ui.exitFullScreenButton->setToolTip(tvk::text("player.exit_full_screen"));
    ui.playButtonForFullScreen->setToolTip(tvk::text("player.play_pause"));

    connect(playback, &Playback::timeChanged, this, [this](qint64 time, qint64 remaining) {
        m_time->setText(timeString(time));
        m_remaining->setText(timeString(remaining));
    });
}
