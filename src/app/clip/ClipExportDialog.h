#pragma once

#include "clip/ClipExport.h"
#include "core/clip/ClipMarks.h"
#include "render/ClipOverlay.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QFutureWatcher>

#include <atomic>
#include <memory>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QDialogButtonBox;
class QLabel;
class QProgressBar;
class QSpinBox;
class QStackedWidget;

// "Export clip…": a recording and its partner, or a stretch of the card's clock around them,
// as one MP4 with both cameras and the telemetry drawn in. The clip is made off the interface
// thread while playback goes on; its progress shows the time left and it can be cancelled.
// Once written, the dialog offers to play the clip or to show it in the file manager.
class ClipExportDialog : public QDialog
{
    Q_OBJECT
public:
    // `recording`: the playing recording; the range starts as its pair's whole length.
    ClipExportDialog(const QString &recording, QWidget *parent = nullptr);
    ~ClipExportDialog() override;

    // Starts the range at the marks set on the position slider, when they mark anything.
    void useMarks(const clip::Marks &marks);

    // Starts the export to `out` with the dialog's choices; the dialog shows its progress.
    void start(const QString &out);
    bool isRunning() const { return m_watcher != nullptr; }
    void cancel() { m_cancel->store(true); }

signals:
    // The clip is written to `out`, or why not (a cancel: "msg.clip_cancelled").
    void finished(const QString &out, const tvk::Result<void> &result);

private:
    struct Job
    {
        QString recording;
        QDateTime from, to; // the card's clock; invalid: the pair's whole length
        clip::ExportOptions options;
        ClipOverlay::Items items;
    };
    Job job() const;
    static tvk::Result<void> run(const Job &job, const QString &out,
                                 const std::shared_ptr<std::atomic<bool>> &cancel,
                                 const std::function<void(qint64, qint64)> &progress);
    void chooseFile();
    void showProgress(qint64 done, qint64 total);
    void done(const QString &out);
    void showPage(int index);
    void showWritten(const QString &out);

    QString m_recording;
    QDateTime m_pairFrom, m_pairTo;
    QComboBox *m_layout;
    QComboBox *m_corner;
    QComboBox *m_sound;
    QSpinBox *m_quality;
    QCheckBox *m_time, *m_speed, *m_gforce, *m_map;
    QDateTimeEdit *m_from, *m_to;
    QStackedWidget *m_pages;
    QProgressBar *m_progress;
    QLabel *m_left;
    QLabel *m_marksNote;
    QLabel *m_written;
    QString m_out;
    QDialogButtonBox *m_buttons;
    QElapsedTimer m_clock;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    QFutureWatcher<tvk::Result<void>> *m_watcher = nullptr;
};
