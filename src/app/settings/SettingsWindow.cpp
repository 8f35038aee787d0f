#include "app/settings/SettingsWindow.h"

#include "app/card/FormatWindow.h"
#include "app/card/UDisksVolumeLabeller.h"
#include "app/controls/Alert.h"
#include "app/controls/CentreOnScreen.h"
#include "app/controls/ReadingOrder.h"
#include "app/pages/SettingsPageInterface.h"
#include "app/records/DrivingRecordPage.h"
#include "app/settings/AdvancedSettingsPage.h"
#include "app/settings/AudioSettingsPage.h"
#include "app/settings/BasicSettingsPage.h"
#include "app/settings/GpsSettingsPage.h"
#include "app/settings/LoadingOverlay.h"
#include "app/settings/MotionSettingsPage.h"
#include "app/settings/VideoSettingsPage.h"
#include "core/card/LsblkVolumeSource.h"
#include "core/card/Volumes.h"
#include "core/common/standardfolders.h"
#include "core/common/strings.h"
#include "core/records/drivingrecordfile.h"
#include "core/settings/SettingsRecord.h"
#include "core/settings/TimeZones.h"
#include "ui_SettingsWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QtConcurrent>

namespace {

struct PageEntry
{
    const char *segmentKey;
    const char *titleKey;
};
constexpr PageEntry kPages[SettingsWindow::kPageCount] = {
    {"setting.video", "setting.video"},
    {"setting.basic", "setting.basic"},
    {"setting.gps", "setting.gps"},
    {"setting.aux", "setting.aux"},
    {"setting.motion", "setting.motion"},
    {"setting.audio", "setting.audio"},
    {"setting.driveinfoview", "setting.information"},
};

// Pages come after the window's own buttons in the focus chain; Tab goes from the selector
// through the page before it reaches the buttons.
void chainAfter(QWidget *selector, const QWidget *page)
{
    QList<QWidget *> stops;
    for (QWidget *w = selector->nextInFocusChain(); w != selector; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus))
            stops.append(w);
    }
    QWidget *previous = selector;
    for (QWidget *stop : std::as_const(stops)) {
        QWidget::setTabOrder(previous, stop);
        previous = stop;
    }
}

} // namespace

SettingsWindow::SettingsWindow(const SettingsEnvironment &environment, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::SettingsWindow>()), m_environment(environment)
{
    if (!environment.volumes)
        m_ownVolumes = std::make_unique<LsblkVolumeSource>();
    if (!environment.labeller)
        m_ownLabeller = std::make_unique<UDisksVolumeLabeller>();
    m_volumes = environment.volumes ? environment.volumes : m_ownVolumes.get();
    m_labeller = environment.labeller ? environment.labeller : m_ownLabeller.get();

    ui->setupUi(this);
    followReadingOrder(this);
    m_loadingSheet = new LoadingOverlay(this);
    applyFactoryDefaults(m_FileData);
    readCardRecordNow();
    connectControls();
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::connectControls()
{
    QStringList labels;
    for (const PageEntry &page : kPages)
        labels << tvk::text(page.segmentKey);
    ui->functionSegmentedControl->setLabels(labels);
    connect(ui->functionSegmentedControl, &SegmentedButtons::segmentClicked, this,
            [this](int segment) { showPage(segment); });
    connect(ui->saveButton, &QPushButton::clicked, this, &SettingsWindow::onSave);
    connect(ui->resetButton, &QPushButton::clicked, this, &SettingsWindow::onSaveDefaultSetting);
    connect(ui->cancelButton, &QPushButton::clicked, this, &SettingsWindow::onCloseCmd);
    connect(ui->openButton, &QPushButton::clicked, this, &SettingsWindow::onOpen);
    connect(ui->sdcardFormatButton, &QPushButton::clicked, this, &SettingsWindow::onFormat);
    auto *disks = new QAction(tvk::text("setting.disk_utility"), this);
    disks->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(disks, &QAction::triggered, this, &SettingsWindow::onDiskUtil);
    addAction(disks);
    ui->sdcardFormatButton->addAction(disks);
    ui->sdcardFormatButton->setContextMenuPolicy(Qt::ActionsContextMenu);
    ui->openButton->setText(tvk::text("setting.open_settings"));
    ui->targetView->setFocusPolicy(Qt::NoFocus);
    // Enter opens nothing by surprise: no button of the row acts for the whole window.
    for (QPushButton *button : {ui->sdcardFormatButton, ui->openButton, ui->resetButton,
                                ui->saveButton, ui->cancelButton}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void SettingsWindow::showWindow()
{
    if (!m_windowLoaded) {
        m_windowLoaded = true;
        prepareFirstShow();
    }
    show();
    raise();
    activateWindow();
}

void SettingsWindow::prepareFirstShow()
{
    centreOnScreen(this);
    readCardRecord();
    ui->functionSegmentedControl->setFocus(Qt::OtherFocusReason);
}

void SettingsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The keyboard starts on the page selector, never on a button that resets or formats.
    if (!focusWidget())
        ui->functionSegmentedControl->setFocus(Qt::OtherFocusReason);
}

void SettingsWindow::hideEvent(QHideEvent *event)
{
    if (auto *page = dynamic_cast<SettingsPageInterface *>(m_driveInfoController.data()))
        page->onHide();
    QDialog::hideEvent(event);
}

void SettingsWindow::readCardRecord()
{
    applyFactoryDefaults(m_FileData);
    const bool reading = startReadingCardRecord() || openPlayerCopy();
    m_strVersion = QCoreApplication::applicationVersion();
    updateTitle();
    if (m_card.settingFilePath.isEmpty())
        m_FileData.time_gmt =
            timeZoneIndexForZone(m_environment.zone, QDateTime::currentDateTimeUtc());
    ui->openButton->setVisible(!m_card.selectedUSBDisk);
    // The first page shows the record only once the background read has been published.
    if (!reading)
        showPage(0);
}

void SettingsWindow::findUSBVolume()
{
    ::findUSBVolume(*m_volumes, *m_labeller, m_card);
}

void SettingsWindow::readCardRecordNow()
{
    findUSBVolume();
    if (m_card.settingFilePath.isEmpty() || !QFileInfo::exists(m_card.settingFilePath))
        return;
    if (auto record = readRecord(m_card.settingFilePath))
        m_FileData = *record;
    showRecordState();
}

bool SettingsWindow::startReadingCardRecord()
{
    if (!m_openedByUser)
        findUSBVolume();
    const QString path = m_card.settingFilePath;
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    showLoading(tvk::text("setting.loading"));
    auto *watcher = new QFutureWatcher<SettingsRecord>(this);
    connect(watcher, &QFutureWatcher<SettingsRecord>::finished, this, [this, watcher] {
        m_FileData = watcher->result();
        watcher->deleteLater();
        hideLoading();
        showRecordState();
        if (m_lastSelectedTabIndex < 0)
            showPage(0);
    });
    // A file that cannot be read leaves the record as it was.
    watcher->setFuture(QtConcurrent::run([path, record = m_FileData] {
        const auto read = readRecord(path);
        return read ? *read : record;
    }));
    return true;
}

void SettingsWindow::updateTitle()
{
    QString title =
        tvk::text("setting.window_title") + tvk::text("setting.version").arg(m_strVersion);
    if (!m_card.settingFilePath.isEmpty())
        title += QStringLiteral(" : ") + m_card.settingFilePath;
    setWindowTitle(title);
}

void SettingsWindow::showRecordState(const QString &note)
{
    QString text = note;
    if (text.isEmpty() && !m_card.settingFilePath.isEmpty() && checksumIsWrong(m_FileData))
        text = tvk::text("setting.checksum_mismatch");
    ui->statusField->setText(text);
    ui->statusField->setVisible(!text.isEmpty());
}

void SettingsWindow::showLoading(const QString &caption)
{
    m_loadingSheet->showLoading(caption);
}

void SettingsWindow::hideLoading()
{
    m_loadingSheet->hideLoading();
}

SettingsPageInterface *SettingsWindow::currentPage() const
{
    return dynamic_cast<SettingsPageInterface *>(m_targetController.data());
}

tvk::Result<void> SettingsWindow::validateUserInput()
{
    SettingsPageInterface *page = currentPage();
    return page ? page->validateUserInput() : tvk::Result<void>{};
}

void SettingsWindow::showRefusal(const tvk::Failure &failure)
{
    showAlert(this, tvk::text("setting.input_refused"), failure.message());
}

bool SettingsWindow::populate()
{
    SettingsPageInterface *page = currentPage();
    return page ? page->populate() : true;
}

QWidget *SettingsWindow::createPage(qint64 index)
{
    switch (index) {
    case 0:
        return new VideoSettingsPage;
    case 1:
        return new BasicSettingsPage;
    case 2:
        return new GpsSettingsPage;
    case 3:
        return new AdvancedSettingsPage;
    case 4:
        return new MotionSettingsPage;
    case 5:
        return new AudioSettingsPage;
    default:
        return createDriveInfoController();
    }
}

void SettingsWindow::showPage(qint64 index)
{
    if (index == m_lastSelectedTabIndex || index < 0 || index >= kPageCount)
        return;
    if (SettingsPageInterface *page = currentPage()) {
        // A refused switch leaves the selector on the page that stays.
        if (const auto checked = validateUserInput(); !checked) {
            ui->functionSegmentedControl->setSelectedSegment(m_lastSelectedTabIndex);
            showRefusal(checked.failure());
            return;
        }
        if (!page->populate()) {
            ui->functionSegmentedControl->setSelectedSegment(m_lastSelectedTabIndex);
            return;
        }
        page->onHide();
    }
    if (QWidget *old = ui->targetView->takeWidget()) {
        // The driving-record page lives as long as the window; the others start fresh.
        if (old == m_driveInfoController) {
            old->hide();
            old->setParent(this);
        } else {
            old->deleteLater();
        }
    }
    QWidget *page = createPage(index);
    page->setWindowTitle(tvk::text(kPages[index].titleKey));
    ui->targetView->setWidget(page);
    page->show();
    chainAfter(ui->functionSegmentedControl, page);
    m_targetController = page;
    if (SettingsPageInterface *delegate = currentPage())
        delegate->setFileData(&m_FileData);
    ui->functionSegmentedControl->setSelectedSegment(index);
    m_lastSelectedTabIndex = index;
}

// The settings window's commands: save, restore defaults, open a file, the disk utility.

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

// Where the settings window's files come from besides the card: the copy open in the player,
// and the driving log that belongs to the settings file shown.

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
