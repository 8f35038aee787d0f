#include "app/settings/VideoSettingsPage.h"

#include "core/common/strings.h"
#include "ui_VideoSettingsPage.h"

namespace {

QStringList qualityLabels()
{
    return {tvk::text("setting.video.quality_normal"), tvk::text("setting.video.quality_high"),
            tvk::text("setting.video.quality_highest")};
}

QStringList brightnessLabels()
{
    return {QStringLiteral("1"), QStringLiteral("2"), digitWithWord(3, "default"),
            QStringLiteral("4"), QStringLiteral("5")};
}

} // namespace

VideoSettingsPage::VideoSettingsPage(QWidget *parent)
    : SettingsPage(parent), ui(std::make_unique<Ui::VideoSettingsPage>())
{
    ui->setupUi(this);
    ui->videoEncodingBitrate->setLabels(qualityLabels());
    ui->videoEncodingBitrateRear->setLabels(qualityLabels());
    ui->videoBrightness->setLabels(brightnessLabels());
    ui->videoBrightnessRear->setLabels(brightnessLabels());
    ui->flipVideoRealSeg->setLabels({tvk::text("unuse"), tvk::text("use")});
    ui->rearfpsSeg->setLabels({tvk::text("30fps"), tvk::text("15fps")});
    ui->frontTinting->setLabels({tvk::text("cpl_unuse"), tvk::text("cpl_use"),
                                 tvk::text("light_tinting"), tvk::text("dark_tinting")});
    ui->rearTinting->setLabels(
        {tvk::text("unuse"), tvk::text("light_tinting"), tvk::text("dark_tinting")});
}

VideoSettingsPage::~VideoSettingsPage() = default;

void VideoSettingsPage::displayFileData()
{
    const SettingsRecord &d = *fileData();
    ui->videoEncodingBitrate->setSelectedSegment(d.vid_enc_bitrate);
    ui->videoBrightness->setSelectedSegment(d.vid_brightness);
    ui->videoEncodingBitrateRear->setSelectedSegment(d.vid_enc_bitrate_R);
    ui->videoBrightnessRear->setSelectedSegment(d.vid_brightness_R);
    ui->flipVideoRealSeg->setSelectedSegment(d.flip_video == 1 ? 1 : 0);
    ui->rearfpsSeg->setSelectedSegment(d.rear_fps == 1 ? 1 : 0);
    // The full rate follows the mains frequency set on the auxiliary page.
    ui->rearfpsSeg->setLabel(0, tvk::text(d.Gamma != 0 ? "25fps" : "30fps"));
    ui->rearfpsSeg->setLabel(1, tvk::text("15fps"));
    ui->frontTinting->setSelectedSegment(d.front_cpl_use);
    ui->rearTinting->setSelectedSegment(d.rear_cpl_use);
}

bool VideoSettingsPage::populate()
{
    if (!fileData() || !validateUserInput())
        return true;
    SettingsRecord &d = *fileData();
    storeSegment(ui->videoEncodingBitrate, d.vid_enc_bitrate);
    storeSegment(ui->videoBrightness, d.vid_brightness);
    storeSegment(ui->videoEncodingBitrateRear, d.vid_enc_bitrate_R);
    storeSegment(ui->videoBrightnessRear, d.vid_brightness_R);
    storeSegment(ui->flipVideoRealSeg, d.flip_video);
    storeSegment(ui->rearfpsSeg, d.rear_fps);
    storeSegment(ui->frontTinting, d.front_cpl_use);
    storeSegment(ui->rearTinting, d.rear_cpl_use);
    return true;
}
