#include "app/card/ClockWindow.h"

#include "app/controls/Alert.h"
#include "app/controls/CentreOnScreen.h"
#include "app/controls/ReadingOrder.h"
#include "core/card/LsblkVolumeSource.h"
#include "core/card/TimeSetFile.h"
#include "core/card/Volumes.h"
#include "core/clock/clockcheck.h"
#include "core/common/durationtext.h"
#include "core/common/strings.h"
#include "core/settings/cardsettings.h"
#include "ui_ClockWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

ClockWindow::ClockWindow(VolumeSource *volumes, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::ClockWindow>())
{
    ui->setupUi(this);
    followReadingOrder(this);
    setWindowTitle(tvk::text("time.window_title"));
    ui->timePicker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    ui->datePicker->setGridVisible(true);
    ui->datePicker->setAccessibleName(tvk::text("access.date"));
    ui->timePicker->setAccessibleName(tvk::text("access.time"));
    connect(ui->datePicker, &QCalendarWidget::selectionChanged, this,
            &ClockWindow::daySelectedFromPicker);
    connect(ui->timePicker, &QTimeEdit::timeChanged, this, &ClockWindow::timeSelectedFromPicker);
    connect(ui->clockTimePicker, &ClockFace::timeChanged, this,
            &ClockWindow::timeSelectedFromClickTimePicker);
    connect(ui->nowDaySettingChk, &QCheckBox::clicked, this, &ClockWindow::nowDayChecked);
    connect(ui->saveButton, &QPushButton::clicked, this, &ClockWindow::onSaveConfigFile);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::close);
    if (volumes) {
        showCardAndNow(*volumes);
    } else {
        LsblkVolumeSource system;
        showCardAndNow(system);
    }
}

ClockWindow::~ClockWindow() = default;

void ClockWindow::showCardAndNow(VolumeSource &volumes)
{
    // Only a card that already holds the file is written to without asking.
    if (const auto card = usbVolumeURLContainingPath(volumes, QLatin1String(kTimesetFileName)))
        m_SettingFilePath = QDir(card->toLocalFile()).filePath(QLatin1String(kTimesetFileName));
    const QDateTime now = nowInZone();
    m_selectedDate = now.date();
    m_selectedTime = QTime(now.time().hour(), now.time().minute(), now.time().second());
    ui->datePicker->setSelectedDate(m_selectedDate);
    ui->timePicker->setTime(m_selectedTime);
    ui->clockTimePicker->setTime(m_selectedTime);
    showSelectedDate();
}

void ClockWindow::showWindow()
{
    adjustSize();
    centreOnScreen(this);
    show();
    raise();
    activateWindow();
}

bool ClockWindow::proposeCorrection(double offsetSeconds, int zoneSeconds, const QDateTime &nowUtc)
{
    if (!(std::abs(offsetSeconds) > kClockToleranceSeconds))
        return false;
    // The camera keeps the time of its own zone, which need not be this computer's; from
    // here on "today" is the card's today too.
    m_zoneSeconds = zoneSeconds;
    const QDateTime cameraTime = nowUtc.toUTC().addSecs(zoneSeconds);
    m_selectedDate = cameraTime.date();
    m_selectedTime = cameraTime.time();
    m_selectedTime.setHMS(m_selectedTime.hour(), m_selectedTime.minute(), m_selectedTime.second());
    ui->datePicker->setSelectedDate(m_selectedDate);
    ui->timePicker->setTime(m_selectedTime);
    ui->clockTimePicker->setTime(m_selectedTime);
    showSelectedDate();
    if (!m_proposalNote) {
        m_proposalNote = new QLabel(this);
        m_proposalNote->setObjectName(QStringLiteral("proposalNote"));
        m_proposalNote->setWordWrap(true);
        if (auto *page = qobject_cast<QVBoxLayout *>(layout()))
            page->insertWidget(0, m_proposalNote);
    }
    const QString amount = tvk::durationText(offsetSeconds);
    m_proposalNote->setText(
        tvk::text(offsetSeconds > 0 ? "time.proposal_ahead" : "time.proposal_behind")
            .arg(amount, QStringLiteral("UTC") + zoneText(zoneSeconds)));
    return true;
}

void ClockWindow::showSelectedDate()
{
    const QLocale locale;
    ui->dateField->setText(locale.toString(m_selectedDate, QLocale::LongFormat));
    // The box names the day it sets, whatever date is picked.
    ui->nowDaySettingChk->setText(QStringLiteral("%1 (%2)").arg(
        tvk::text("today"), locale.toString(nowInZone().date(), QLocale::ShortFormat)));
}

QDateTime ClockWindow::nowInZone() const
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!m_zoneSeconds)
        return now.toLocalTime();
    const QDateTime shifted = now.addSecs(*m_zoneSeconds);
    return QDateTime(shifted.date(), shifted.time());
}

void ClockWindow::daySelectedFromPicker()
{
    m_selectedDate = ui->datePicker->selectedDate();
    showSelectedDate();
}

void ClockWindow::timeSelectedFromPicker()
{
    m_selectedTime = ui->timePicker->time();
    ui->clockTimePicker->setTime(m_selectedTime);
}

void ClockWindow::timeSelectedFromClickTimePicker()
{
    m_selectedTime = ui->clockTimePicker->time();
    const QSignalBlocker quiet(ui->timePicker);
    ui->timePicker->setTime(m_selectedTime);
}

void ClockWindow::nowDayChecked()
{
    // A momentary shortcut: today's date in the zone of the proposal, the time of day as it
    // was, the box clear again.
    m_selectedDate = nowInZone().date();
    showSelectedDate();
    ui->datePicker->setSelectedDate(m_selectedDate);
    QTimer::singleShot(200, ui->nowDaySettingChk,
                       [box = ui->nowDaySettingChk] { box->setChecked(false); });
}

void ClockWindow::onSaveConfigFile()
{
    if (!m_SettingFilePath.isEmpty()) {
        doWriteConfigFile(m_SettingFilePath);
        return;
    }
    auto *panel = new QFileDialog(this, tvk::text("save"));
    panel->setObjectName(QStringLiteral("savePanel"));
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setNameFilter(QStringLiteral("cfg (*.cfg)"));
    panel->setDefaultSuffix(QStringLiteral("cfg"));
    panel->selectFile(QLatin1String(kTimesetFileName));
    panel->setWindowModality(Qt::WindowModal);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    connect(panel, &QFileDialog::fileSelected, this, &ClockWindow::doWriteConfigFile);
    panel->open();
}

void ClockWindow::doWriteConfigFile(const QString &path)
{
    // A file that could not be written is said so; the user can try another place.
    if (const auto written = writeTimesetFile(path, m_selectedDate, m_selectedTime); !written) {
        showAlert(this, tvk::text("setting.alert.warn"), written.failure().text());
        return;
    }
    showAlertSheet(this, tvk::text("time.saved"), tvk::text("time.filesave"), [this] { close(); });
}
