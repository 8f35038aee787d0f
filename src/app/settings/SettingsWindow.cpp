#include "app/settings/SettingsWindow.h"

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
#include "core/common/strings.h"
#include "core/records/drivingrecordfile.h"
#include "core/settings/SettingsRecord.h"
#include "core/settings/TimeZones.h"
#include "ui_SettingsWindow.h"

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
