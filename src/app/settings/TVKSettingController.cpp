#include "app/settings/TVKSettingController.h"

#include "app/card/UDisksVolumeLabeller.h"
#include "app/controls/CentreOnScreen.h"
#include "app/controls/TVKAlert.h"
#include "app/pages/TVKSettingControllerDelegate.h"
#include "app/records/TVKSettingForFlashDataViewController.h"
#include "app/settings/TVKLoadingSheet.h"
#include "app/settings/TVKSettingForAudioViewController.h"
#include "app/settings/TVKSettingForAuxViewController.h"
#include "app/settings/TVKSettingForBasicViewController.h"
#include "app/settings/TVKSettingForGpsViewController.h"
#include "app/settings/TVKSettingForMotionViewController.h"
#include "app/settings/TVKSettingForVideoViewController.h"
#include "core/card/LsblkVolumeSource.h"
#include "core/common/strings.h"
#include "core/records/drivingrecordfile.h"
#include "core/settings/SettingsRecord.h"
#include "core/settings/TimeZones.h"
#include "ui_TVKSettingController.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QPushButton>
#include <QScreen>
#include <QtConcurrent>

namespace {

struct PageEntry
{
    const char *segmentKey;
    const char *titleKey;
};
constexpr PageEntry kPages[TVKSettingController::kPageCount] = {
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

TVKSettingController::TVKSettingController(const TVKSettingEnvironment &environment,
                                           QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TVKSettingController>()), m_environment(environment)
{
    if (!environment.volumes)
        m_ownVolumes = std::make_unique<LsblkVolumeSource>();
    if (!environment.labeller)
        m_ownLabeller = std::make_unique<UDisksVolumeLabeller>();
    m_volumes = environment.volumes ? environment.volumes : m_ownVolumes.get();
    m_labeller = environment.labeller ? environment.labeller : m_ownLabeller.get();

    ui->setupUi(this);
    m_loadingSheet = new TVKLoadingSheet(this);
    applyFactoryDefaults(m_FileData);
    readCardRecordNow();
    connectControls();
}

TVKSettingController::~TVKSettingController() = default;

void TVKSettingController::connectControls()
{
    QStringList labels;
    for (const PageEntry &page : kPages)
        labels << tvk::text(page.segmentKey);
    ui->functionSegmentedControl->setLabels(labels);
    connect(ui->functionSegmentedControl, &TKSegmentedControl::segmentClicked, this,
            [this](int segment) { changeViewController(segment); });
    connect(ui->saveButton, &QPushButton::clicked, this, &TVKSettingController::onSave);
    connect(ui->resetButton, &QPushButton::clicked, this,
            &TVKSettingController::onSaveDefaultSetting);
    connect(ui->cancelButton, &QPushButton::clicked, this, &TVKSettingController::onCloseCmd);
    connect(ui->openButton, &QPushButton::clicked, this, &TVKSettingController::onOpen);
    connect(ui->sdcardFormatButton, &QPushButton::clicked, this, &TVKSettingController::onFormat);
    auto *disks = new QAction(tvk::text("setting.disk_utility"), this);
    disks->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(disks, &QAction::triggered, this, &TVKSettingController::onDiskUtil);
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

void TVKSettingController::showWindow()
{
    if (!m_windowLoaded) {
        m_windowLoaded = true;
        prepareFirstShow();
    }
    show();
    raise();
    activateWindow();
}

void TVKSettingController::prepareFirstShow()
{
    centreOnScreen(this);
    readCardRecord();
    ui->functionSegmentedControl->setFocus(Qt::OtherFocusReason);
}

void TVKSettingController::hideEvent(QHideEvent *event)
{
    if (auto *page = dynamic_cast<TVKSettingControllerDelegate *>(m_driveInfoController.data()))
        page->onHide();
    QDialog::hideEvent(event);
}

void TVKSettingController::readCardRecord()
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
        changeViewController(0);
}

void TVKSettingController::findUSBVolume()
{
    ::findUSBVolume(*m_volumes, *m_labeller, m_card);
}

void TVKSettingController::readCardRecordNow()
{
    findUSBVolume();
    if (m_card.settingFilePath.isEmpty() || !QFileInfo::exists(m_card.settingFilePath))
        return;
    if (auto record = readRecord(m_card.settingFilePath))
        m_FileData = *record;
    showRecordState();
}

bool TVKSettingController::startReadingCardRecord()
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
            changeViewController(0);
    });
    // A file that cannot be read leaves the record as it was.
    watcher->setFuture(QtConcurrent::run([path, record = m_FileData] {
        const auto read = readRecord(path);
        return read ? *read : record;
    }));
    return true;
}

void TVKSettingController::updateTitle()
{
    QString title =
        tvk::text("setting.window_title") + tvk::text("setting.version").arg(m_strVersion);
    if (!m_card.settingFilePath.isEmpty())
        title += QStringLiteral(" : ") + m_card.settingFilePath;
    setWindowTitle(title);
}

void TVKSettingController::showRecordState(const QString &note)
{
    QString text = note;
    if (text.isEmpty() && !m_card.settingFilePath.isEmpty() && checksumIsWrong(m_FileData))
        text = tvk::text("setting.checksum_mismatch");
    ui->statusField->setText(text);
    ui->statusField->setVisible(!text.isEmpty());
}

void TVKSettingController::showLoading(const QString &caption)
{
    m_loadingSheet->showLoading(caption);
}

void TVKSettingController::hideLoading()
{
    m_loadingSheet->hideLoading();
}

TVKSettingControllerDelegate *TVKSettingController::currentPage() const
{
    return dynamic_cast<TVKSettingControllerDelegate *>(m_targetController.data());
}

tvk::Result<void> TVKSettingController::validateUserInput()
{
    TVKSettingControllerDelegate *page = currentPage();
    return page ? page->validateUserInput() : tvk::Result<void>{};
}

void TVKSettingController::showRefusal(const tvk::Failure &failure)
{
    showAlert(this, tvk::text("setting.input_refused"), failure.message());
}

bool TVKSettingController::populate()
{
    TVKSettingControllerDelegate *page = currentPage();
    return page ? page->populate() : true;
}

QWidget *TVKSettingController::createPage(qint64 index)
{
    switch (index) {
    case 0:
        return new TVKSettingForVideoViewController;
    case 1:
        return new TVKSettingForBasicViewController;
    case 2:
        return new TVKSettingForGpsViewController;
    case 3:
        return new TVKSettingForAuxViewController;
    case 4:
        return new TVKSettingForMotionViewController;
    case 5:
        return new TVKSettingForAudioViewController;
    default:
        return createDriveInfoController();
    }
}

void TVKSettingController::changeViewController(qint64 index)
{
    if (index == m_lastSelectedTabIndex || index < 0 || index >= kPageCount)
        return;
    if (TVKSettingControllerDelegate *page = currentPage()) {
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
    if (TVKSettingControllerDelegate *delegate = currentPage())
        delegate->setFileData(&m_FileData);
    ui->functionSegmentedControl->setSelectedSegment(index);
    m_lastSelectedTabIndex = index;
}
