#include "app/settings/MotionSettingsPage.h"

#include "core/common/strings.h"
#include "ui_MotionSettingsPage.h"

namespace {

// Boxes 01-04 are the top row of the picture (bits 8-11), 09-12 the bottom row (bits 0-3).
int zoneBit(int box)
{
    return 8 - 4 * (box / 4) + box % 4;
}

void showMask(const QList<QCheckBox *> &boxes, quint32 mask)
{
    for (int box = 0; box < boxes.size(); ++box)
        boxes[box]->setChecked((mask & (1u << zoneBit(box))) == 0);
}

// A set bit switches a zone off; bits without a box are cleared.
quint32 maskOf(const QList<QCheckBox *> &boxes)
{
    quint32 mask = 0;
    for (int box = 0; box < boxes.size(); ++box) {
        if (!boxes[box]->isChecked())
            mask |= 1u << zoneBit(box);
    }
    return mask;
}

} // namespace

MotionSettingsPage::MotionSettingsPage(QWidget *parent)
    : SettingsPage(parent), ui(std::make_unique<Ui::MotionSettingsPage>())
{
    ui->setupUi(this);
    const QStringList levels{tvk::text("unuse"),  digitWithWord(1, "insensitive"),
                             QStringLiteral("2"), QStringLiteral("3"),
                             QStringLiteral("4"), digitWithWord(5, "sensitive")};
    ui->frontSensitivitySeg->setLabels(levels);
    ui->rearSensitivitySeg->setLabels(levels);
    // Zones of a camera whose detection is off cannot be chosen, so the page says what counts.
    connect(ui->frontSensitivitySeg, &SegmentedButtons::segmentClicked, this,
            &MotionSettingsPage::updateFrontMotionBlock);
    connect(ui->rearSensitivitySeg, &SegmentedButtons::segmentClicked, this,
            &MotionSettingsPage::updateRearMotionBlock);
}

MotionSettingsPage::~MotionSettingsPage() = default;

QList<QCheckBox *> MotionSettingsPage::zoneBoxes(const QString &camera) const
{
    QList<QCheckBox *> boxes;
    for (int n = 1; n <= 12; ++n)
        boxes << findChild<QCheckBox *>(
            camera + QStringLiteral("MotionBlock%1Chk").arg(n, 2, 10, QLatin1Char('0')));
    return boxes;
}

void MotionSettingsPage::updateFrontMotionBlock()
{
    for (QCheckBox *box : zoneBoxes(QStringLiteral("front")))
        box->setEnabled(ui->frontSensitivitySeg->selectedSegment() != 0);
}

void MotionSettingsPage::updateRearMotionBlock()
{
    for (QCheckBox *box : zoneBoxes(QStringLiteral("rear")))
        box->setEnabled(ui->rearSensitivitySeg->selectedSegment() != 0);
}

void MotionSettingsPage::displayFileData()
{
    const SettingsRecord &d = *fileData();
    ui->frontSensitivitySeg->setSelectedSegment(d.motion720pCValue);
    ui->rearSensitivitySeg->setSelectedSegment(d.motion1080pCValue);
    showMask(zoneBoxes(QStringLiteral("front")), d.motionBlock);
    showMask(zoneBoxes(QStringLiteral("rear")), d.motionBlock_Rear);
    updateFrontMotionBlock();
    updateRearMotionBlock();
}

bool MotionSettingsPage::populate()
{
    if (!fileData())
        return true;
    SettingsRecord &d = *fileData();
    storeSegment(ui->frontSensitivitySeg, d.motion720pCValue);
    storeSegment(ui->rearSensitivitySeg, d.motion1080pCValue);
    d.motionBlock = maskOf(zoneBoxes(QStringLiteral("front")));
    d.motionBlock_Rear = maskOf(zoneBoxes(QStringLiteral("rear")));
    return true;
}
