#include "app/settings/BasicSettingsPage.h"

#include "app/controls/Alert.h"
#include "core/common/cformat.h"
#include "core/common/strings.h"
#include "core/settings/SettingChoices.h"
#include "core/settings/SettingsRecord.h"
#include "core/settings/ValueChecks.h"
#include "ui_BasicSettingsPage.h"

#include <QRegularExpressionValidator>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kCustomPreset = int(kGSensorPresets.size());

QString thresholdText(qint32 hundredths)
{
    return tvk::cformat("%.2f", hundredths / 100.0);
}

// A field without a number leaves the threshold as it was.
void storeThreshold(const QLineEdit *field, qint32 &threshold)
{
    if (const auto value = leadingDecimalNumber(field->text()))
        threshold = qint32(std::lround(*value * 100));
}

void focus(QWidget *control)
{
    QTimer::singleShot(0, control, [control] { control->setFocus(Qt::OtherFocusReason); });
}

} // namespace

BasicSettingsPage::BasicSettingsPage(QWidget *parent)
    : SettingsPage(parent), ui(std::make_unique<Ui::BasicSettingsPage>())
{
    ui->setupUi(this);
    QStringList segments;
    for (int i = 1; i <= 4; ++i)
        segments << tvk::text(
            QStringLiteral("setting.basic.segment_display%1").arg(i).toUtf8().constData());
    ui->osdOptionSeg->setLabels(segments);
    ui->alwaysModeTimeoutSeg->setLabels(
        {tvk::text("unuse"), tvk::textFmt("nSecond_fmt", 10), tvk::textFmt("nSecond_fmt", 30),
         tvk::textFmt("nMinute_fmt", 1), tvk::textFmt("nMinute_fmt", 2),
         tvk::textFmt("nMinute_fmt", 3), tvk::textFmt("nMinute_fmt", 5),
         tvk::textFmt("nMinute_fmt", 7), tvk::textFmt("nMinute_fmt", 10)});
    const QStringList presets{digitWithWord(1, "insensitive"),
                              QStringLiteral("2"),
                              QStringLiteral("3"),
                              QStringLiteral("4"),
                              digitWithWord(5, "sensitive"),
                              tvk::text("setting.basic.customize")};
    ui->gsensorSensitivityDrivingSeg->setLabels(presets);
    ui->gsensorSensitivityParkingSeg->setLabels(presets);
    ui->compositeModeSeg->setLabels({QStringLiteral("NTSC"), QStringLiteral("PAL")});

    ui->powerVoltageCombo->addItems(
        {tvk::text("unuse"), tvk::text("auto"), tvk::text("externpower")});
    for (std::size_t i = kFirstVoltageIndex; i < kCutOffMillivolts.size(); ++i)
        ui->powerVoltageCombo->addItem(tvk::cformat("%.1fv / %.1fv", kCutOffMillivolts[i] / 1000.0,
                                                    kCutOffMillivolts[i] / 500.0));
    ui->powerTimeCombo->addItem(tvk::text("unuse"));
    for (std::size_t i = 1; i < kParkingRecordingHours.size(); ++i)
        ui->powerTimeCombo->addItem(tvk::textFmt("nHour_fmt", kParkingRecordingHours[i]));
    ui->cableLossCombo->addItem(tvk::text("none"));
    for (int i = 1; i < kCableLossSteps; ++i)
        ui->cableLossCombo->addItem(tvk::cformat("0.%dv", i));

    // "0.00": one integer digit at most, two fraction digits at most.
    auto *format = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d?(\\.\\d{0,2})?")), this);
    for (QLineEdit *field : drivingFields() + parkingFields())
        field->setValidator(format);

    connect(ui->gsensorEnableChk, &QCheckBox::clicked, this,
            &BasicSettingsPage::changeGsensorEnable);
    connect(ui->gsensorSensitivityDrivingSeg, &SegmentedButtons::segmentClicked, this,
            &BasicSettingsPage::updateGsensorThreshold);
    connect(ui->gsensorSensitivityParkingSeg, &SegmentedButtons::segmentClicked, this,
            &BasicSettingsPage::updateGsensorThreshold);
    connect(ui->useExternalPowerChk, &QCheckBox::clicked, this,
            &BasicSettingsPage::clickUseExternalPowerChk);
    connect(ui->powerVoltageCombo, &QComboBox::activated, this,
            &BasicSettingsPage::powerVoltageSelected);
}

BasicSettingsPage::~BasicSettingsPage() = default;

QList<QLineEdit *> BasicSettingsPage::drivingFields() const
{
    return {ui->gsensorSensitivityThresholdXDrivingField,
            ui->gsensorSensitivityThresholdYDrivingField,
            ui->gsensorSensitivityThresholdZDrivingField};
}

QList<QLineEdit *> BasicSettingsPage::parkingFields() const
{
    return {ui->gsensorSensitivityThresholdXParkingField,
            ui->gsensorSensitivityThresholdYParkingField,
            ui->gsensorSensitivityThresholdZParkingField};
}

void BasicSettingsPage::changeGsensorEnable()
{
    const bool on = ui->gsensorEnableChk->isChecked();
    ui->gsensorSensitivityDrivingSeg->setEnabled(on);
    ui->gsensorSensitivityParkingSeg->setEnabled(on);
    updateGsensorThreshold();
}

void BasicSettingsPage::updateGsensorThreshold()
{
    const bool on = ui->gsensorEnableChk->isChecked();
    const auto update = [on](const SegmentedButtons *control, const QList<QLineEdit *> &fields,
                             bool driving) {
        const int s = control->selectedSegment();
        if (s >= 0 && s < kCustomPreset) {
            const GSensorPreset &p = kGSensorPresets[s];
            fields[0]->setText(thresholdText(driving ? p.drivingX : p.parking));
            fields[1]->setText(thresholdText(driving ? p.drivingYZ : p.parking));
            fields[2]->setText(thresholdText(driving ? p.drivingYZ : p.parking));
        }
        for (QLineEdit *field : fields)
            field->setEnabled(on && s == kCustomPreset);
    };
    update(ui->gsensorSensitivityDrivingSeg, drivingFields(), true);
    update(ui->gsensorSensitivityParkingSeg, parkingFields(), false);
}

void BasicSettingsPage::updatePowerUI()
{
    const bool external = fileData() && fileData()->externalPower() == 1;
    ui->powerVoltageCombo->setEnabled(!external);
    ui->powerTimeCombo->setEnabled(!external);
    ui->useExternalPowerChk->setChecked(external);
}

void BasicSettingsPage::clickUseExternalPowerChk()
{
    if (fileData())
        fileData()->externalPower() = ui->useExternalPowerChk->isChecked() ? 1 : 0;
    updatePowerUI();
}

void BasicSettingsPage::powerVoltageSelected(int item)
{
    if (item == kExternalBatteryIndex)
        showAlert(window(), tvk::text("setting.alert.warning"),
                  tvk::text("msg.use_external_power_10v"));
}

void BasicSettingsPage::displayFileData()
{
    SettingsRecord &d = *fileData();
    ui->osdOptionSeg->setSelectedSegment(d.disp_segment_mode);
    ui->alwaysModeTimeoutSeg->setSelectedSegment(
        choiceIndex(kParkingWaitSeconds, d.always_mode_timeout)
            .value_or(kUnlistedParkingWaitIndex));
    ui->gsensorEnableChk->setChecked(d.g_sensor_enable != 0);
    changeGsensorEnable();
    ui->gsensorSensitivityDrivingSeg->setSelectedSegment(
        drivingPresetIndex(d.gsen_x_threshold, d.gsen_y_threshold, d.gsen_z_threshold)
            .value_or(kCustomPreset));
    const QList<QLineEdit *> parking = parkingFields();
    parking[0]->setText(thresholdText(d.parkmode_x_threshold));
    parking[1]->setText(thresholdText(d.parkmode_y_threshold));
    parking[2]->setText(thresholdText(d.parkmode_z_threshold));
    ui->gsensorSensitivityParkingSeg->setSelectedSegment(
        parkingPresetIndex(d.parkmode_x_threshold, d.parkmode_y_threshold, d.parkmode_z_threshold)
            .value_or(kCustomPreset));
    const QList<QLineEdit *> driving = drivingFields();
    driving[0]->setText(thresholdText(d.gsen_x_threshold));
    driving[1]->setText(thresholdText(d.gsen_y_threshold));
    driving[2]->setText(thresholdText(d.gsen_z_threshold));
    updateGsensorThreshold();
    ui->frontLedOffChk->setChecked(d.ledoff == 0);
    ui->rearLedOffChk->setChecked(d.ledoff_rear == 0);
    ui->compositeModeSeg->setSelectedSegment(d.composite_mode);
    ui->carNumberField->setText(recordText(d.szPlateNumber));
    ui->powerVoltageCombo->setCurrentIndex(
        choiceIndex(kCutOffMillivolts, d.cutOffMillivolts()).value_or(kUnlistedCutOffIndex));
    ui->powerTimeCombo->setCurrentIndex(
        choiceIndex(kParkingRecordingHours, d.parkingRecordingHours()).value_or(0));
    updatePowerUI();
    if (d.CableVoltCorr == 0)
        d.CableVoltCorr = 4;
    ui->cableLossCombo->setCurrentIndex(
        d.CableVoltCorr <= quint32(kCableLossSteps) ? int(d.CableVoltCorr) - 1 : -1);
}

tvk::Result<void> BasicSettingsPage::validateUserInput()
{
    const auto check = [](const QList<QLineEdit *> &fields) -> tvk::Result<void> {
        for (QLineEdit *field : fields) {
            if (auto checked = ValueChecks::validateGsensorThreshold(field->text()); !checked) {
                focus(field);
                return checked;
            }
        }
        return {};
    };
    // A field the user cannot change is not held against the page.
    if (!ui->gsensorEnableChk->isChecked())
        return {};
    if (ui->gsensorSensitivityDrivingSeg->selectedSegment() == kCustomPreset) {
        if (auto checked = check(drivingFields()); !checked)
            return checked;
    }
    if (ui->gsensorSensitivityParkingSeg->selectedSegment() == kCustomPreset)
        return check(parkingFields());
    return {};
}

bool BasicSettingsPage::populate()
{
    if (!fileData() || !validateUserInput())
        return true;
    SettingsRecord &d = *fileData();
    storeSegment(ui->osdOptionSeg, d.disp_segment_mode);
    if (const int s = ui->alwaysModeTimeoutSeg->selectedSegment(); s >= 0)
        d.always_mode_timeout = kParkingWaitSeconds[s];
    d.g_sensor_enable = ui->gsensorEnableChk->isChecked() ? 1 : 0;
    const QList<QLineEdit *> driving = drivingFields();
    const QList<QLineEdit *> parking = parkingFields();
    // With the sensor off the thresholds are kept as they were, unless what the fields hold
    // would itself pass.
    const auto storable = [](const QList<QLineEdit *> &fields) {
        return std::all_of(fields.cbegin(), fields.cend(), [](const QLineEdit *field) {
            return bool(ValueChecks::validateGsensorThreshold(field->text()));
        });
    };
    if (d.g_sensor_enable || storable(driving)) {
        storeThreshold(driving[0], d.gsen_x_threshold);
        storeThreshold(driving[1], d.gsen_y_threshold);
        storeThreshold(driving[2], d.gsen_z_threshold);
    }
    if (d.g_sensor_enable || storable(parking)) {
        storeThreshold(parking[0], d.parkmode_x_threshold);
        storeThreshold(parking[1], d.parkmode_y_threshold);
        storeThreshold(parking[2], d.parkmode_z_threshold);
    }
    d.ledoff = ui->frontLedOffChk->isChecked() ? 0 : 1;
    d.ledoff_rear = ui->rearLedOffChk->isChecked() ? 0 : 1;
    storeSegment(ui->compositeModeSeg, d.composite_mode);
    ui->carNumberField->textDidEndEditing();
    setRecordText(d.szPlateNumber, ui->carNumberField->text());
    if (const int item = ui->powerVoltageCombo->currentIndex(); item >= 0)
        d.cutOffMillivolts() = kCutOffMillivolts[item];
    if (const int item = ui->powerTimeCombo->currentIndex(); item >= 0)
        d.parkingRecordingHours() = kParkingRecordingHours[item];
    d.externalPower() = ui->useExternalPowerChk->isChecked() ? 1 : 0;
    if (const int item = ui->cableLossCombo->currentIndex(); item >= 0)
        d.CableVoltCorr = quint32(item + 1);
    return true;
}
