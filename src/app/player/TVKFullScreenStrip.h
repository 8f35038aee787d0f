#pragma once

#include <QObject>

class QLabel;
class TKImageButton;
class TVKPlayback;
struct PlayerWindowUi;

// The full-screen control strip beyond play and position: jumps back and forth and the
// played and remaining time, the same the window shows (a seek's target, held in a swap).
class TVKFullScreenStrip : public QObject
{
    Q_OBJECT
public:
    TVKFullScreenStrip(PlayerWindowUi &ui, TVKPlayback *playback, QObject *parent = nullptr);

    TKImageButton *jumpBackwardButton() const { return m_jumpBackward; }
    TKImageButton *jumpForwardButton() const { return m_jumpForward; }
    QLabel *timeField() const { return m_time; }
    QLabel *remainingField() const { return m_remaining; }

private:
    TKImageButton *m_jumpBackward = nullptr;
    TKImageButton *m_jumpForward = nullptr;
    QLabel *m_time = nullptr;
    QLabel *m_remaining = nullptr;
};
