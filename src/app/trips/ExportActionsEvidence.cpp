// The evidence folder of the playing pair, from the player window.
#include "app/controls/Alert.h"
#include "app/controls/Notice.h"
#include "app/trips/ExportActions.h"
#include "core/common/strings.h"
#include "core/common/waitingjobs.h"
#include "core/evidence/evidenceexport.h"
#include "render/EvidencePictures.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QtConcurrent/QtConcurrentRun>

void ExportActions::chooseEvidenceFolder()
{
    const QString recording = m_source.recording();
    if (recording.isEmpty() || isWritingEvidence())
        return;
    // A folder that does not exist yet: the export makes it, whole or not at all.
    const QString suggested =
        QDir(startFolder())
            .filePath(
                tvk::text("trips.evidence_folder").arg(MediaFile(recording).mediaGroupName()));
    const QString out =
        QFileDialog::getSaveFileName(m_window, tvk::text("trips.export_evidence"), suggested, {},
                                     nullptr, QFileDialog::DontConfirmOverwrite);
    if (!out.isEmpty())
        startEvidence(out);
}

void ExportActions::startEvidence(const QString &out)
{
    const QString recording = m_source.recording();
    if (recording.isEmpty() || isWritingEvidence())
        return;
    m_busy = new QProgressDialog(tvk::text("trips.evidence_writing"), {}, 0, 0, m_window);
    m_busy->setObjectName(QStringLiteral("evidenceBusy"));
    m_busy->setWindowModality(Qt::WindowModal);
    m_busy->setMinimumDuration(0);
    m_busy->setAutoClose(false);
    m_busy->show();
    m_evidence = new QFutureWatcher<tvk::Result<void>>(this);
    connect(m_evidence, &QFutureWatcherBase::finished, this, [this, out] { evidenceDone(out); });
    m_evidence->setFuture(QtConcurrent::run(tvk::waitingJobs(), [recording, out] {
        return exportEvidence(recording, out, EvidencePictures());
    }));
}

void ExportActions::evidenceDone(const QString &out)
{
    const tvk::Result<void> written = m_evidence->result();
    m_evidence->deleteLater();
    m_evidence = nullptr;
    if (m_busy)
        m_busy->deleteLater();
    const QString title = QGuiApplication::applicationDisplayName();
    if (written)
        showNoticeSheet(m_window, title,
                        tvk::text("trips.evidence_written").arg(QDir::toNativeSeparators(out)));
    else
        showAlert(m_window, title,
                  tvk::text("trips.evidence_failed").arg(written.failure().text()));
    emit evidenceFinished(out, written);
}
