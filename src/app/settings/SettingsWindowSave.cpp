// The settings window's commands: save, restore defaults, open a file, the disk utility.
#include "app/card/FormatWindow.h"
#include "app/controls/Alert.h"
#include "app/pages/SettingsPageInterface.h"
#include "app/settings/SettingsWindow.h"
#include "core/card/Volumes.h"
#include "core/common/standardfolders.h"
#include "core/common/strings.h"
#include "core/settings/SettingsRecord.h"
#include "ui_SettingsWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

QString configPathOn(const UsbDisk &volume)
{
    return QDir(volume.mountPath()).filePath(QLatin1String(kSettingFileName));
}

} // namespace

void SettingsWindow::onSave()
{
    if (const auto checked = validateUserInput(); !checked) {
        showRefusal(checked.failure());
        return;
    }
    populate();
    applySaveStep(m_FileData);
    const QString path = saveDestination();
    if (!path.isEmpty()) {
        writeTo(path);
        return;
    }
    QString folder = m_environment.documentsFolder;
    if (folder.isEmpty())
        folder = existingFolderOrHome(QStandardPaths::DocumentsLocation);
    auto *panel = new QFileDialog(this, tvk::text("setting.save_title"), folder);
    panel->setObjectName(QStringLiteral("savePanel"));
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setFileMode(QFileDialog::AnyFile);
    panel->setWindowModality(Qt::WindowModal);
    panel->selectFile(QLatin1String(kSettingFileName));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    connect(panel, &QFileDialog::fileSelected, this, &SettingsWindow::writeTo);
    panel->open();
}

QString SettingsWindow::saveDestination()
{
    if (m_openedByUser)
        return m_card.settingFilePath;
    if (m_card.selectedUSBDisk && QFileInfo::exists(configPathOn(*m_card.selectedUSBDisk)))
        return configPathOn(*m_card.selectedUSBDisk);
    if (const auto camera = findCameraDisk(*m_volumes))
        return configPathOn(*camera);
    return {};
}

void SettingsWindow::writeTo(const QString &path)
{
    if (!writeRecord(m_FileData, path)) {
        showAlert(this, tvk::text("setting.alert.warn"), tvk::text("msg.write_protected_disk"));
        return;
    }
    showAlertSheet(this, path, tvk::text("msg.saved"), [this] { onCloseCmd(); });
}

void SettingsWindow::onSaveDefaultSetting()
{
    applyFactoryDefaults(m_FileData);
    if (auto *page = dynamic_cast<SettingsPageInterface *>(m_targetController.data()))
        page->setFileData(&m_FileData);
}

void SettingsWindow::onOpen()
{
    auto *panel =
        new QFileDialog(this, tvk::text("setting.open_title"), m_environment.playerFolder);
    panel->setObjectName(QStringLiteral("openPanel"));
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setNameFilters({tvk::text("setting.open_filter") + QStringLiteral(" (config.bin)"),
                           tvk::text("setting.open_all") + QStringLiteral(" (*)")});
    panel->setWindowModality(Qt::WindowModal);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    connect(panel, &QFileDialog::fileSelected, this, [this](const QString &path) {
        // The user chose this file: what is wrong with it is said at once.
        if (const auto opened = openSettingFile(path); !opened)
            showAlert(this, tvk::text("setting.alert.warn"),
                      opened.failure().subject + u'\n' + opened.failure().message());
    });
    panel->open();
}

tvk::Result<void> SettingsWindow::openSettingFile(const QString &chosen)
{
    const QFileInfo given(chosen);
    const QString path = given.isDir() ? QDir(chosen).filePath(QLatin1String(kSettingFileName))
                                       : given.absoluteFilePath();
    const QFileInfo info(path);
    if (!info.isFile())
        return tvk::Failure{QT_TRID_NOOP("setting.open_missing"), path};
    if (info.size() != SettingsRecord::kSize)
        return tvk::Failure{
            QT_TRID_NOOP("setting.open_wrong_size_fmt"), path, {}, {QString::number(info.size())}};
    const tvk::Result<SettingsRecord> read = readRecord(path);
    if (!read) {
        tvk::Failure failure = read.failure();
        failure.subject = path;
        return failure;
    }
    m_FileData = *read;
    m_card = SettingsCardSelection{path, std::nullopt};
    m_openedByUser = true;
    updateTitle();
    showRecordState();
    resetDriveInfoPage();
    if (auto *page = dynamic_cast<SettingsPageInterface *>(m_targetController.data()))
        page->setFileData(&m_FileData);
    return {};
}

void SettingsWindow::onDiskUtil()
{
    // GNOME Disks, through its desktop entry when a launcher for it is at hand.
    const QString entry =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                               QStringLiteral("applications/org.gnome.DiskUtility.desktop"));
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("gtk-launch"));
    if (!entry.isEmpty() && !launcher.isEmpty() &&
        QProcess::startDetached(launcher, {QStringLiteral("org.gnome.DiskUtility")}))
        return;
    const QString disks = QStandardPaths::findExecutable(QStringLiteral("gnome-disks"));
    if (!disks.isEmpty() && QProcess::startDetached(disks, {}))
        return;
    showAlert(this, tvk::text("setting.alert.warn"), tvk::text("msg.no_disk_utility"));
}

void SettingsWindow::onFormat()
{
    auto *window = new FormatWindow(m_volumes);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (m_lastDialogController)
        m_lastDialogController->close();
    m_lastDialogController = window;
    window->showWindow();
}

void SettingsWindow::onCloseCmd()
{
    close();
}
