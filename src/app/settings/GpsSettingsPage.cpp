#include "app/settings/GpsSettingsPage.h"

#include "core/common/strings.h"
#include "core/settings/TimeZones.h"
#include "ui_GpsSettingsPage.h"

GpsSettingsPage::GpsSettingsPage(QWidget *parent)
    : SettingsPage(parent), ui(std::make_unique<Ui::GpsSettingsPage>())
{
    ui->setupUi(this);
    QStringList days{tvk::text("none")};
    for (const char *day : {"mon", "tue", "wed", "thu", "fri", "sat", "sun"})
        days << tvk::text(day);
    ui->drivingDaySeg->setLabels(days);
    ui->speedDisplayUnitSeg->setLabels({QStringLiteral("Km/h"), QStringLiteral("Mi/h")});
    const QStringList offOn{tvk::text("off"), tvk::text("on")};
    ui->osdSpeedDisplaySeg->setLabels(offOn);
    ui->nightTimeSeg->setLabels(offOn);
    QStringList intervals{tvk::text("none")};
    for (int seconds : {1, 3, 5, 10, 15, 30, 60})
        intervals << tvk::textFmt("nSecond_fmt", seconds);
    ui->saveDurationSeg->setLabels(intervals);
    for (const TimeZoneCode &zone : timeZoneCodeTable)
        ui->timeGmtCombo->addItem(QString::fromLatin1(zone.label));
}

GpsSettingsPage::~GpsSettingsPage() = default;

void GpsSettingsPage::displayFileData()
{
    const SettingsRecord &d = *fileData();
    ui->drivingDaySeg->setSelectedSegment(d.nodriving_day);
    ui->speedDisplayUnitSeg->setSelectedSegment(d.speed_disp_unit);
    ui->osdSpeedDisplaySeg->setSelectedSegment(d.osd_speed_flag);
    // -1 (a computer zone the camera does not know) and any stored index outside the list show
    // no zone.
    const bool known = d.time_gmt >= 0 && d.time_gmt < ui->timeGmtCombo->count();
    ui->timeGmtCombo->setCurrentIndex(known ? d.time_gmt : -1);
    ui->summerTimeChk->setChecked(d.summer_time != 0);
    ui->saveDurationSeg->setSelectedSegment(d.SaveDuration);
    ui->nightTimeSeg->setSelectedSegment(d.NightTime);
}

bool GpsSettingsPage::populate()
{
    if (!fileData())
        return true;
    SettingsRecord &d = *fileData();
    storeSegment(ui->drivingDaySeg, d.nodriving_day);
    storeSegment(ui->speedDisplayUnitSeg, d.speed_disp_unit);
    storeSelection(ui->osdSpeedDisplaySeg->selectedSegment(), d.osd_speed_flag);
    storeSelection(ui->timeGmtCombo->currentIndex(), d.time_gmt);
    d.summer_time = ui->summerTimeChk->isChecked() ? 1 : 0;
    storeSegment(ui->saveDurationSeg, d.SaveDuration);
    storeSegment(ui->nightTimeSeg, d.NightTime);
    return true;
}
