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
