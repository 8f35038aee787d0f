// Where the settings window's files come from besides the card: the copy open in the player,
// and the driving log that belongs to the settings file shown.
#include "app/pages/SettingsPageInterface.h"
#include "app/records/DrivingRecordPage.h"
#include "app/settings/SettingsWindow.h"
#include "core/records/drivingrecordfile.h"
#include "ui_SettingsWindow.h"

#include <QDir>
#include <QFileInfo>

bool SettingsWindow::openPlayerCopy()
{
    if (m_openedByUser || !m_card.settingFilePath.isEmpty() || m_environment.playerFolder.isEmpty())
        return false;
    // The player may show the card's root or a folder of recordings on it.
    QDir folder(m_environment.playerFolder);
    for (int up = 0; up < 3; ++up) {
        if (QFileInfo(folder.filePath(QLatin1String(kSettingFileName))).isFile()) {
            // A copy that cannot be read is not offered.
            if (!openSettingFile(folder.path()))
                return false;
            showPage(0);
            return true;
        }
        if (!folder.cdUp())
            break;
    }
    return false;
}

QWidget *SettingsWindow::createDriveInfoController()
{
    if (!m_driveInfoController) {
        auto *page = new DrivingRecordPage(this);
        connect(page, &DrivingRecordPage::busy, this, &SettingsWindow::showLoading);
        connect(page, &DrivingRecordPage::idle, this, &SettingsWindow::hideLoading);
        if (m_card.selectedUSBDisk) {
            const QString path = QDir(m_card.selectedUSBDisk->mountPath())
                                     .filePath(QLatin1String(kDrivingRecordFilePath));
            if (QFileInfo::exists(path))
                page->setFlashDataFilePath(path);
        } else if (m_openedByUser) {
            // A card copy opened by hand keeps its log beside its settings file.
            const QString path = QFileInfo(m_card.settingFilePath)
                                     .dir()
                                     .filePath(QLatin1String(kDrivingRecordFilePath));
            if (QFileInfo::exists(path))
                page->setFlashDataFilePath(path);
        }
        m_driveInfoController = page;
    }
    return m_driveInfoController;
}

void SettingsWindow::resetDriveInfoPage()
{
    // The log belongs to the settings file; another file brings its own log.
    QWidget *old = m_driveInfoController;
    if (!old)
        return;
    const bool shown = old == m_targetController;
    if (shown) {
        m_lastSelectedTabIndex = -1;
        m_targetController = nullptr;
        ui->targetView->takeWidget();
    }
    m_driveInfoController = nullptr;
    if (auto *page = dynamic_cast<SettingsPageInterface *>(old))
        page->onHide();
    old->hide();
    old->deleteLater();
    if (shown)
        showPage(kDriveInfoPage);
}
