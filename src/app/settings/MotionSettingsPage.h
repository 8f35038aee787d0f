#pragma once

#include "app/pages/SettingsPageInterface.h"

#include <memory>

class QCheckBox;

namespace Ui {
class MotionSettingsPage;
}

// Page 4: parking motion detection, its sensitivity and twelve zones for each camera.
class MotionSettingsPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit MotionSettingsPage(QWidget *parent = nullptr);
    ~MotionSettingsPage() override;

    bool populate() override;

    // Zone boxes enabled only while the camera's sensitivity is not "unuse".
    void updateFrontMotionBlock();
    void updateRearMotionBlock();

private:
    void displayFileData() override;
    QList<QCheckBox *> zoneBoxes(const QString &camera) const;

    std::unique_ptr<Ui::MotionSettingsPage> ui;
};
