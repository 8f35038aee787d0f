#include "app/card/FormatWindow.h"

#include "app/controls/Alert.h"
#include "app/controls/CentreOnScreen.h"
#include "app/controls/ReadingOrder.h"
#include "core/card/ByteCount.h"
#include "core/card/CardFormatter.h"
#include "core/card/FormatCommands.h"
#include "core/card/LsblkVolumeSource.h"
#include "core/card/Volumes.h"
#include "core/common/strings.h"
#include "ui_FormatWindow.h"

#include <QCloseEvent>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtConcurrent>

namespace {

constexpr int kTickMs = 300;

QString clusterText(const UsbDisk &volume)
{
    // Sectors of 512 bytes, shown in KB: 32 sectors are 16 KB.
    return clusterSizeText(clusterSizeByVolumeSize(volume.volumeSize()));
}

} // namespace

FormatWindow::FormatWindow(VolumeSource *volumes, CommandRunner *commands, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::FormatWindow>())
{
    if (!volumes)
        m_ownVolumes = std::make_unique<LsblkVolumeSource>();
    if (!commands)
        m_ownCommands = std::make_unique<ShellCommandRunner>();
    m_volumes = volumes ? volumes : m_ownVolumes.get();
    m_formatter =
        std::make_unique<CardFormatter>(*m_volumes, commands ? *commands : *m_ownCommands, this);
    ui->setupUi(this);
    followReadingOrder(this);
    setWindowTitle(tvk::text("format.window_title"));
    ui->fileSystemField->setText(QStringLiteral("FAT32"));
    ui->pathField->setText(QStringLiteral("-"));
    ui->progressBar->setDrawDockProgress(false);
    hideProgressBar();
    connect(ui->usbDiskCombo, &QComboBox::activated, this, &FormatWindow::updateSelectedDiskInfo);
    connect(ui->formatButton, &QPushButton::clicked, this, &FormatWindow::onFormat);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::close);
    connect(m_formatter.get(), &CardFormatter::stepMessage, ui->progressMessageField,
            &QLabel::setText);
    connect(m_formatter.get(), &CardFormatter::eraseStarted, ui->cancelButton,
            [this] { ui->cancelButton->setEnabled(false); });
    connect(m_formatter.get(), &CardFormatter::finished, this, &FormatWindow::formatDidFinish);
    updateSelectedDiskInfo();
    loadUSBVolumes();
}

FormatWindow::~FormatWindow() = default;

void FormatWindow::closeEvent(QCloseEvent *event)
{
    if (m_formatter->isRunning()) {
        stopOrKeepRunning();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void FormatWindow::reject()
{
    if (m_formatter->isRunning())
        stopOrKeepRunning();
    else
        QDialog::reject();
}

void FormatWindow::stopOrKeepRunning()
{
    if (m_formatter->cancel()) {
        m_closeWhenStopped = true;
        ui->cancelButton->setEnabled(false);
    }
}

void FormatWindow::showWindow()
{
    centreOnScreen(this);
    show();
    raise();
    activateWindow();
}

void FormatWindow::loadUSBVolumes(std::function<void()> completion)
{
    const bool startedDisplay = m_stopProgressBar;
    if (startedDisplay)
        showProgressBar(tvk::text("format.step.searching"));
    else
        ui->progressMessageField->setText(tvk::text("format.step.searching"));
    auto *watcher = new QFutureWatcher<QList<UsbDisk>>(this);
    connect(watcher, &QFutureWatcher<QList<UsbDisk>>::finished, this,
            [this, watcher, startedDisplay, completion = std::move(completion)] {
                m_usbDiskArray = watcher->result();
                watcher->deleteLater();
                ui->usbDiskCombo->clear();
                for (const UsbDisk &volume : std::as_const(m_usbDiskArray))
                    ui->usbDiskCombo->addItem(volume.displayString());
                if (!m_usbDiskArray.isEmpty())
                    ui->usbDiskCombo->setCurrentIndex(0);
                updateSelectedDiskInfo();
                if (startedDisplay)
                    hideProgressBar();
                if (completion)
                    completion();
                emit volumesLoaded();
            });
    VolumeSource *volumes = m_volumes;
    const QFuture<QList<UsbDisk>> search =
        QtConcurrent::run([volumes] { return usbDiskEntities(*volumes); });
    m_searches.addFuture(search);
    watcher->setFuture(search);
}

std::optional<UsbDisk> FormatWindow::selectedUSBDisk() const
{
    const int index = ui->usbDiskCombo->currentIndex();
    if (index < 0 || index >= m_usbDiskArray.size())
        return std::nullopt;
    return m_usbDiskArray[index];
}

std::optional<UsbDisk> FormatWindow::selectUSBByDevFile(const QString &deviceName)
{
    for (int i = 0; i < m_usbDiskArray.size(); ++i) {
        if (m_usbDiskArray[i].deviceFilePath() == deviceName) {
            ui->usbDiskCombo->setCurrentIndex(i);
            return m_usbDiskArray[i];
        }
    }
    return std::nullopt;
}

void FormatWindow::updateSelectedDiskInfo()
{
    if (const auto volume = selectedUSBDisk()) {
        ui->pathField->setText(
            QStringLiteral("%1   %2").arg(volume->deviceFilePath(), volume->mountPath()));
        ui->allocationUnitField->setText(clusterText(*volume));
    } else {
        // No card, no cluster size: the size depends on the card.
        ui->allocationUnitField->setText(QStringLiteral("-"));
        ui->pathField->setText(QStringLiteral("-"));
    }
}

void FormatWindow::onFormat()
{
    const auto volume = selectedUSBDisk();
    if (!volume) {
        showAlert(this, tvk::text("format.alert.no_card"),
                  tvk::text(m_usbDiskArray.isEmpty() ? "format.no_drive" : "format.select_drive"));
        return;
    }
    if (!volume->writable()) {
        showAlert(this, tvk::text("msg.cannot_format"),
                  volume->displayString() + u'\n' + tvk::text("msg.write_protected_disk"));
        return;
    }
    confirmFormat(*volume);
}

void FormatWindow::confirmFormat(const UsbDisk &volume)
{
    // Formatting erases the card: the user sees which one, and Cancel is what Return does.
    auto *question =
        new QMessageBox(QMessageBox::Warning, tvk::text("setting.format.confirm_title"),
                        tvk::text("setting.format.confirm_title"), QMessageBox::NoButton, this);
    question->setObjectName(QStringLiteral("formatConfirmation"));
    question->setInformativeText(
        tvk::text("setting.format.confirm")
            .arg(QStringLiteral("/dev/") + volume.deviceFilePath(),
                 byteCountString(volume.volumeSize()),
                 volume.volumeName().isEmpty() ? QStringLiteral("-") : volume.volumeName(),
                 volume.mountPath().isEmpty() ? QStringLiteral("-") : volume.mountPath()));
    QPushButton *erase =
        question->addButton(tvk::text("setting.format.format"), QMessageBox::DestructiveRole);
    QPushButton *cancel = question->addButton(tvk::text("cancel"), QMessageBox::RejectRole);
    question->setDefaultButton(cancel);
    question->setEscapeButton(cancel);
    question->setWindowModality(Qt::WindowModal);
    question->setAttribute(Qt::WA_DeleteOnClose);
    connect(question, &QMessageBox::buttonClicked, this, [this, erase, volume](QAbstractButton *b) {
        if (b == erase)
            doFormat(volume);
    });
    question->open();
}

void FormatWindow::doFormat(const UsbDisk &volume)
{
    showProgressBar(tvk::text("format.step.start"));
    ui->formatButton->setEnabled(false);
    m_closeWhenStopped = false;
    m_formatter->start(volume);
}

void FormatWindow::formatDidFinish(const FormatOutcome &outcome)
{
    ui->formatButton->setEnabled(true);
    ui->cancelButton->setEnabled(true);
    if (outcome.cancelled && m_closeWhenStopped) {
        hideProgressBar();
        emit formatFinished();
        close();
        return;
    }
    const QString device = outcome.volume ? outcome.volume->deviceFilePath() : QString();
    loadUSBVolumes([this, outcome, device] {
        if (!device.isEmpty())
            selectUSBByDevFile(device);
        updateSelectedDiskInfo();
        hideProgressBar();
        if (outcome.succeeded)
            showAlertSheet(this, outcome.messageText, outcome.informativeText, [this] { close(); });
        else
            showAlert(this, outcome.messageText, outcome.informativeText);
        emit formatFinished();
    });
}

void FormatWindow::showProgressBar(const QString &message)
{
    ui->progressBar->show();
    ui->progressMessageField->show();
    ui->progressBar->setIndeterminate(true);
    m_stopProgressBar = false;
    ui->progressMessageField->setText(message);
    m_progress = ui->progressBar->minValue();
    ui->progressBar->startAnimation();
    QTimer::singleShot(kTickMs, this, [this] { updateProgressBar(1000); });
}

void FormatWindow::updateProgressBar(double seconds)
{
    if (m_stopProgressBar)
        return;
    m_progress += 100 / (seconds / (kTickMs / 1000.0));
    if (m_progress >= 100) {
        hideProgressBar();
        return;
    }
    QTimer::singleShot(kTickMs, this, [this, seconds] { updateProgressBar(seconds); });
}

void FormatWindow::hideProgressBar()
{
    ui->progressBar->stopAnimation();
    ui->progressBar->hide();
    ui->progressMessageField->hide();
    m_stopProgressBar = true;
}
