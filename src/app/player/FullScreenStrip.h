#pragma once

#include <QObject>

class QLabel;
class ImageButton;
class Playback;
struct PlayerWindowUi;

// The full-screen control strip beyond play and position: jumps back and forth and the
// played and remaining time, the same the window shows (a seek's target, held in a swap).
class FullScreenStrip : public QObject
{
    Q_OBJECT
public:
    FullScreenStrip(PlayerWindowUi &ui, Playback *playback, QObject *parent = nullptr);

    ImageButton *jumpBackwardButton() const { return m_jumpBackward; }
    ImageButton *jumpForwardButton() const { return m_jumpForward; }
    QLabel *timeField() const { return m_time; }
    QLabel *remainingField() const { return m_remaining; }

private:
    ImageButton *m_jumpBackward = nullptr;
    ImageButton *m_jumpForward = nullptr;
    QLabel *m_time = nullptr;
    QLabel *m_remaining = nullptr;
};
