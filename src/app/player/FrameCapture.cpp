#include "app/player/FrameCapture.h"

#include "app/controls/Alert.h"
#include "app/controls/Notice.h"
#include "core/common/devicefailure.h"
#include "core/common/replacefile.h"
#include "core/common/strings.h"
#include "core/player/VideoPlayer.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QUrl>

FrameCapture::FrameCapture(QWidget *window, VideoPlayer *player1, QObject *parent)
    : QObject(parent), m_window(window), m_player1(player1)
{}

QString FrameCapture::snapshot(const char *name)
{
    if (!m_player1)
        return {};
    const QString path = m_file.preparedPath(QLatin1String(name));
    // Width and height 0: the video's own pixel size.
    if (path.isEmpty() || !m_player1->saveVideoSnapshotAt(path, 0, 0))
        return {};
    return path;
}

void FrameCapture::captureVideo()
{
    // Paused is how a moment is kept on screen to be captured: the frame shown is taken then.
    if (!m_player1 || !m_player1->hasMedia() ||
        (!m_player1->isPlaying() && m_player1->state() != VideoPlayer::Paused))
        return;
    // The frame of the moment of the click, before the panel opens and playback moves on.
    const QString shot = snapshot(kCaptureSnapshotName);
    if (shot.isEmpty()) {
        alert(tvk::text("capture.no_frame"));
        return;
    }
    QFileDialog panel(m_window, tvk::text("capture.save_title"));
    panel.setObjectName(QStringLiteral("captureSavePanel"));
    panel.setAcceptMode(QFileDialog::AcceptSave);
    panel.setFileMode(QFileDialog::AnyFile);
    panel.setFilter(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    panel.setNameFilters({tvk::text("capture.filter_png") + QStringLiteral(" (*.png)"),
                          tvk::text("capture.filter_jpeg") + QStringLiteral(" (*.jpg *.jpeg)")});
    panel.setDefaultSuffix(QStringLiteral("png"));
    const QFileInfo suggested(suggestedCapturePath());
    panel.setDirectory(suggested.absolutePath());
    panel.selectFile(suggested.fileName());
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return;
    saveCapture(shot, panel.selectedFiles().constFirst());
}

bool FrameCapture::saveCapture(const QString &snapshotPath, const QString &target)
{
    const QByteArray format = captureFormatForPath(target);
    if (format.isEmpty()) {
        alert(tvk::text("capture.unknown_format").arg(QFileInfo(target).fileName()));
        return false;
    }
    QImageReader reader(snapshotPath);
    const QImage image = reader.read();
    if (image.isNull()) {
        alert(reader.errorString());
        return false;
    }
    // The old file stays whole until the new one is complete.
    const tvk::Result<void> saved =
        replaceFile(target, [&image, &format](QIODevice &out) -> tvk::Result<void> {
            QImageWriter writer(&out, format);
            if (format == "jpeg")
                writer.setQuality(95);
            if (writer.write(image))
                return {};
            return writer.error() != QImageWriter::UnknownError
                       ? tvk::Failure{QT_TRID_NOOP("capture.save_failed"), {}, writer.errorString()}
                       : deviceFailure(out);
        });
    if (!saved) {
        alert(QDir::toNativeSeparators(target) + QStringLiteral(": ") +
              saved.failure().reasonOrMessage());
        return false;
    }
    emit captureSaved(target);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath())))
        showNoticeSheet(m_window, QGuiApplication::applicationDisplayName(),
                        tvk::text("capture.no_viewer").arg(QDir::toNativeSeparators(target)));
    return true;
}

void FrameCapture::alert(const QString &reason)
{
    showAlert(m_window, tvk::text("alert.warning"),
              tvk::text("capture.save_failed") + QLatin1Char('\n') + reason);
}
