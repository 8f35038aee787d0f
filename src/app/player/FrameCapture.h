#pragma once

#include "core/capture/CaptureFile.h"

#include <QObject>
#include <QPointer>

class VideoPlayer;
class QWidget;

// Saving the frame of the main player: a snapshot at the video's own size into the private
// capture file, a save panel, the image written in the format its extension names, and the
// saved file opened in the desktop's viewer.
class FrameCapture : public QObject
{
    Q_OBJECT
public:
    FrameCapture(QWidget *window, VideoPlayer *player1, QObject *parent = nullptr);

    // The user action: only while the main player plays.
    void captureVideo();

    // Writes the main player's frame at its own size into the private file `name`; the
    // file's path, or empty when there is no frame.
    QString snapshot(const char *name);
    // Saves a snapshot to `target` and opens it; a failure is shown in the alert.
    bool saveCapture(const QString &snapshotPath, const QString &target);

    const CaptureFile &captureFile() const { return m_file; }

signals:
    void captureSaved(const QString &path);

private:
    void alert(const QString &reason);

    QPointer<QWidget> m_window;
    QPointer<VideoPlayer> m_player1;
    CaptureFile m_file;
};
