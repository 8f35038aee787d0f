// The right side of the player window: the recording list or the route map, and the folder
// the list shows.
#include "app/controls/ElidedLabel.h"
#include "app/controls/ImageButton.h"
#include "app/player/CustomWindow.h"
#include "app/player/MediaListModel.h"
#include "app/player/PlayerWindow.h"
#include "app/player/PlayerWindowUi.h"
#include "core/catalogue/CardFolder.h"
#include "core/common/strings.h"
#include "core/player/Playback.h"
#include "core/player/VideoPlayer.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>
#include <QStyle>
#include <QTableView>

#include <algorithm>

void PlayerWindow::clickMediaListViewButton()
{
    if (m_rightViewMode == 0)
        return;
    m_rightViewMode = 0;
    updateSideViewButton();
    emit rightViewModeChanged(m_rightViewMode);
}

void PlayerWindow::clickMapViewButton()
{
    if (m_rightViewMode == 1)
        return;
    m_rightViewMode = 1;
    updateSideViewButton();
    emit rightViewModeChanged(m_rightViewMode);
}

void PlayerWindow::updateSideViewButton()
{
    const bool list = m_rightViewMode == 0;
    m_ui.recordButton->setImageName(list ? QStringLiteral("record_p") : QStringLiteral("record_n"));
    m_ui.informationButton->setImageName(list ? QStringLiteral("information_n")
                                              : QStringLiteral("information_p"));
    m_ui.mapContainerView->setVisible(!list);
    m_ui.mediaListTableView->setVisible(list);
    layoutMapContainer();
}

void PlayerWindow::layoutMapContainer()
{
    if (m_ui.mapContainerView->isVisible())
        m_ui.mapContainerView->raise();
}

void PlayerWindow::openFolder(const QString &folder)
{
    if (folder.isEmpty())
        return;
    m_playback->stopAndClear();
    m_ui.folderField->setText(QDir::toNativeSeparators(folder));
    m_ui.folderField->setToolTip(m_ui.folderField->text());
    m_mediaList->setDirectoryPath(folder);
    updateEmptyListNote();
}

void PlayerWindow::openRecording(const QString &path)
{
    const QString wanted = QFileInfo(path).absoluteFilePath();
    auto *once = new QObject(this);
    connect(this, &PlayerWindow::mediaListShown, once, [this, once, wanted] {
        once->deleteLater();
        for (qint64 row = 0; row < m_mediaList->count(); ++row) {
            if (QFileInfo(m_mediaList->mediaAtIndex(row)->path()).absoluteFilePath() == wanted) {
                m_ui.mediaListTableView->selectRow(int(row));
                m_playback->playRow(row);
                return;
            }
        }
    });
    openFolder(cardFolderOfRecording(path));
}

namespace {

QString canonical(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

void PlayerWindow::seekWhenStarted(const QString &path, double offsetSeconds)
{
    // Until the start is in sight the players have no moment to go to, and libVLC no length.
    auto *once = new QObject(this);
    connect(m_playback, &Playback::startShown, once,
            [this, once, path, offsetSeconds](qint64 index) {
                once->deleteLater();
                const MediaFile *media = m_mediaList->mediaAtIndex(index);
                const qint64 length = m_player1->length();
                if (!media || canonical(media->path()) != path || length <= 0)
                    return;
                m_playback->seekTo(std::clamp(offsetSeconds * 1000 / double(length), 0.0, 1.0));
            });
}

void PlayerWindow::playFrom(const QString &path, double offsetSeconds)
{
    const QString wanted = canonical(path);
    for (qint64 row = 0; row < m_mediaList->count(); ++row) {
        if (canonical(m_mediaList->mediaAtIndex(row)->path()) != wanted)
            continue;
        seekWhenStarted(wanted, offsetSeconds);
        m_ui.mediaListTableView->selectRow(int(row));
        m_playback->playAtIndex(row);
        return;
    }
    // Shown in a folder of the card: the card is opened around it.
    seekWhenStarted(wanted, offsetSeconds);
    openRecording(wanted);
}

void PlayerWindow::openMediaDirectoryDialog()
{
    const QString start = m_mediaList->directoryPath().isEmpty()
                              ? QStandardPaths::writableLocation(QStandardPaths::HomeLocation)
                              : m_mediaList->directoryPath();
    const QString folder = QFileDialog::getExistingDirectory(this, tvk::text("player.open_folder"),
                                                             start, QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        openFolder(folder);
}

void PlayerWindow::showCatalogue()
{
    m_playback->catalogueReplaced();
    m_rightViewMode = 0;
    updateSideViewButton();
    m_model->reload();
    updateEmptyListNote();
    emit mediaListShown();
}

void PlayerWindow::updateEmptyListNote()
{
    QString note, problemNote;
    const QStringList problems =
        walkReportLines(m_mediaList->walkReport(), m_mediaList->directoryPath());
    if (m_mediaList->isWalking())
        note = tvk::text("player.reading_folder");
    else if (m_mediaList->count() == 0)
        note = m_mediaList->directoryPath().isEmpty() ? tvk::text("player.no_folder")
               : problems.isEmpty()                   ? tvk::text("player.no_recordings")
                                                      : problems.join(u'\n');
    else
        problemNote = problems.join(u'\n');
    m_emptyListNote->setText(note);
    m_emptyListNote->setToolTip(note);
    m_emptyListNote->setVisible(!note.isEmpty());
    m_listProblemNote->setText(problemNote);
    m_listProblemNote->setToolTip(problemNote);
    m_listProblemNote->setVisible(!problemNote.isEmpty());
    placeListNote();
}

void PlayerWindow::placeListNote()
{
    m_emptyListNote->setGeometry(m_ui.mediaListTableView->viewport()->rect());
}
