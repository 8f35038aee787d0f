#pragma once

#include "core/capture/PrintJob.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QImage;
class QPrinter;
class QWidget;
class FrameCapture;
class VideoPlayer;

// Printing the frame of the main player: the print dialog as a sheet on the window, with one
// printer object kept for the window's life so that the user's choices carry over. A printer
// that takes JPEG gets the snapshot file; a PDF file or any other printer gets a page drawn
// by Qt.
class FramePrint : public QObject
{
    Q_OBJECT
public:
    FramePrint(QWidget *window, VideoPlayer *player1, FrameCapture *capture,
               std::unique_ptr<PrintService> service, QObject *parent = nullptr);
    ~FramePrint() override;

    // The user action: whenever the main player has media, paused or not.
    void print();
    // The print settings, made with the defaults on first use.
    QPrinter *loadPrintInfo();
    // The end of the dialog; prints on confirmation.
    void printPanelDidEnd(int returnCode);

    // Draws the image on one page of `printer`, as large as fits with its proportions kept.
    static bool renderOnPage(QPrinter *printer, const QImage &image);

signals:
    void printFinished(const PrintResult &result);

private:
    QPointer<QWidget> m_window;
    QPointer<VideoPlayer> m_player1;
    FrameCapture *m_capture;
    std::unique_ptr<PrintService> m_service;
    std::unique_ptr<QPrinter> m_printInfo;
    QString m_snapshotPath;
};
