#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class TKImageButton;
class VideoPlayer;
struct PlayerWindowUi;

// The full-screen control strip beyond play and position: jumps back and forth and the
// played and remaining time of the main player, which the windowed controls hide there.
class TVKFullScreenStrip : public QObject
{
    Q_OBJECT
public:
    TVKFullScreenStrip(PlayerWindowUi &ui, VideoPlayer *player1, QObject *parent = nullptr);

    TKImageButton *jumpBackwardButton() const { return m_jumpBackward; }
    TKImageButton *jumpForwardButton() const { return m_jumpForward; }
    QLabel *timeField() const { return m_time; }
    QLabel *remainingField() const { return m_remaining; }

private:
    void updateTimes();

    QPointer<VideoPlayer> m_player1;
    TKImageButton *m_jumpBackward = nullptr;
    TKImageButton *m_jumpForward = nullptr;
    QLabel *m_time = nullptr;
    QLabel *m_remaining = nullptr;
};
