#include "app/settings/AdvancedSettingsPage.h"

#include "app/controls/Alert.h"
#include "core/common/strings.h"
#include "core/settings/SettingChoices.h"
#include "core/settings/SettingsRecord.h"
#include "core/settings/ValueChecks.h"
#include "ui_AdvancedSettingsPage.h"

#include <QButtonGroup>

AdvancedSettingsPage::AdvancedSettingsPage(QWidget *parent)
    : SettingsPage(parent), ui(std::make_unique<Ui::AdvancedSettingsPage>())
{
    ui->setupUi(this);
    const QStringList offOn{tvk::text("unuse"), tvk::text("use")};
    ui->dayTimeAESeg->setLabels({tvk::text("setting.aux.low"),
                                 tvk::text("setting.aux.medium_sedan"),
                                 tvk::text("setting.aux.high_suv")});
    ui->lcdAutoPowerOffSeg->setLabels({tvk::text("none"), tvk::textFmt("nSecond_fmt", 15),
                                       tvk::textFmt("nSecond_fmt", 30),
                                       tvk::textFmt("nSecond_fmt", 60)});
    ui->gammaSeg->setLabels({QStringLiteral("60Hz(30fps)"), QStringLiteral("50Hz(25fps)")});
    ui->lcdBrightnessSeg->setLabels(
        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    ui->lcdNightBrightnessSeg->setLabels(offOn);
    ui->parkingRearOffSeg->setLabels(offOn);
    ui->lcdScreenSaverSeg->setLabels(
        {tvk::text("unuse"), tvk::text("default"), tvk::text("customize")});
    ui->parkingAlarmSeg->setLabels(offOn);
    ui->recordingLengthSeg->setLabels({tvk::text("5min"), tvk::text("3min")});
    ui->autoFormatSeg->setLabels({tvk::text("unuse"), tvk::text("setting.aux.4week"),
                                  tvk::text("setting.aux.8week"), tvk::text("setting.aux.16week"),
                                  tvk::text("setting.aux.32week")});
    ui->wifiChannelCombo->addItem(QStringLiteral("%1(%2)").arg(0, 4).arg(tvk::text("auto")));
    for (int channel = 1; channel < kWifiChannelCount; ++channel)
        ui->wifiChannelCombo->addItem(QStringLiteral("%1").arg(channel, 4));

    ui->memeryRatioSlider->setRange(0, 10);
    ui->memeryRatioSlider->setPageStep(1);
    ui->memeryRatioSlider->setTickPosition(QSlider::TicksBelow);
    ui->memeryRatioSlider->setTickInterval(1);
    // The warning's room is kept while it is hidden, so that the page does not jump when the
    // slider first moves.
    QSizePolicy keep = ui->sdcardCapacityWarningLabel->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    ui->sdcardCapacityWarningLabel->setSizePolicy(keep);
    ui->sdcardCapacityWarningLabel->hide();
    connect(ui->memeryRatioSlider, &QSlider::valueChanged, this,
            &AdvancedSettingsPage::sliderMoved);

    auto *corners = new QButtonGroup(this);
    for (QRadioButton *cell : pipCells())
        corners->addButton(cell);
}

AdvancedSettingsPage::~AdvancedSettingsPage() = default;

QList<QRadioButton *> AdvancedSettingsPage::pipCells() const
{
    return {ui->pipPositionRadio11, ui->pipPositionRadio01, ui->pipPositionRadio00,
            ui->pipPositionRadio10};
}

void AdvancedSettingsPage::showShares(int alwaysPercent, int motionPercent)
{
    ui->alwaysField->setText(QStringLiteral("%1%").arg(alwaysPercent));
    ui->motionField->setText(QStringLiteral("%1%").arg(motionPercent));
}

void AdvancedSettingsPage::sliderMoved(int value)
{
    showShares(10 * value, (10 - value) * 10);
    ui->sdcardCapacityWarningLabel->show();
}

void AdvancedSettingsPage::displayFileData()
{
    const SettingsRecord &d = *fileData();
    showShares(int(d.sd_mem_always_ratio), int(d.sd_mem_motion_ratio));
    {
        const QSignalBlocker quiet(ui->memeryRatioSlider);
        ui->memeryRatioSlider->setValue(int(qMin<quint32>(d.sd_mem_always_ratio / 10, 10)));
    }
    ui->dayTimeAESeg->setSelectedSegment(d.DayTime);
    ui->lcdAutoPowerOffSeg->setSelectedSegment(d.lcd_autopoweroff);
    ui->gammaSeg->setSelectedSegment(d.Gamma);
    ui->lcdBrightnessSeg->setSelectedSegment(d.lcd_brightness);
    ui->lcdNightBrightnessSeg->setSelectedSegment(d.lcd_brightness_night);
    ui->parkingRearOffSeg->setSelectedSegment(d.parking_rear_off == 0 ? 1 : 0);
    const quint32 saver = d.lcd_screensaver;
    ui->lcdScreenSaverSeg->setSelectedSegment(saver == 0 ? 1 : saver == 1 ? 0 : qint64(saver));
    ui->parkingAlarmSeg->setSelectedSegment(d.parking_alarm);
    ui->recordingLengthSeg->setSelectedSegment(d.always_mode_recording_time);
    pipCells().value(int(d.pip_position), ui->pipPositionRadio11)->setChecked(true);
    ui->ssidLabel->setText(recordText(d.wifi_ssid));
    ui->passwordLabel->setText(recordText(d.wifi_password));
    ui->autoFormatSeg->setSelectedSegment(d.autoFormatAlarm);
    ui->wifiChannelCombo->setCurrentIndex(
        d.wifi_channel < quint32(kWifiChannelCount) ? int(d.wifi_channel) : -1);
}

tvk::Result<void> AdvancedSettingsPage::validateUserInput()
{
    const int v = ui->memeryRatioSlider->value();
    for (const qint64 share : {10 * v, 100 - 10 * v}) {
        if (auto checked = ValueChecks::validateSDCardSizeRatio(share); !checked)
            return checked;
    }
    return {};
}

bool AdvancedSettingsPage::populate()
{
    if (!fileData() || !validateUserInput())
        return false;
    SettingsRecord &d = *fileData();
    const int v = ui->memeryRatioSlider->value();
    d.sd_mem_always_ratio = quint32(10 * v);
    d.sd_mem_motion_ratio = quint32(100 - 10 * v);
    storeSegment(ui->dayTimeAESeg, d.DayTime);
    storeSegment(ui->lcdAutoPowerOffSeg, d.lcd_autopoweroff);
    storeSegment(ui->gammaSeg, d.Gamma);
    storeSegment(ui->lcdBrightnessSeg, d.lcd_brightness);
    storeSegment(ui->lcdNightBrightnessSeg, d.lcd_brightness_night);
    if (const int s = ui->parkingRearOffSeg->selectedSegment(); s >= 0)
        d.parking_rear_off = s == 0 ? 1 : 0;
    if (const int s = ui->lcdScreenSaverSeg->selectedSegment(); s >= 0)
        d.lcd_screensaver = s == 0 ? 1 : s == 1 ? 0 : quint32(s);
    storeSegment(ui->parkingAlarmSeg, d.parking_alarm);
    storeSegment(ui->recordingLengthSeg, d.always_mode_recording_time);
    const QList<QRadioButton *> cells = pipCells();
    const auto chosen = std::find_if(cells.cbegin(), cells.cend(),
                                     [](const QRadioButton *cell) { return cell->isChecked(); });
    d.pip_position = chosen == cells.cend() ? 0 : quint32(chosen - cells.cbegin());
    storeSegment(ui->autoFormatSeg, d.autoFormatAlarm);

    const QString ssid = ui->ssidLabel->text();
    const QString password = ui->passwordLabel->text();
    for (const tvk::Result<void> &checked : {checkWifiName(ssid), checkWifiPassword(password)}) {
        if (!checked) {
            showAlert(window(), tvk::text("setting.alert.warning"), checked.failure().message());
            return false;
        }
    }
    setRecordText(d.wifi_ssid, ssid);
    setRecordText(d.wifi_password, password);
    storeSelection(ui->wifiChannelCombo->currentIndex(), d.wifi_channel);
    storeExternalRearCameraDefault(d.external_rear_camera);
    return true;
}
