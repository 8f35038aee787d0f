#pragma once

#include "app/pages/TVKSettingControllerDelegate.h"

#include <memory>

class QCheckBox;

namespace Ui {
class TVKSettingForMotionViewController;
}

// Page 4: parking motion detection, its sensitivity and twelve zones for each camera.
class TVKSettingForMotionViewController : public TVKSettingPage
{
    Q_OBJECT
public:
    explicit TVKSettingForMotionViewController(QWidget *parent = nullptr);
    ~TVKSettingForMotionViewController() override;

    bool populate() override;

    // Zone boxes enabled only while the camera's sensitivity is not "unuse".
    void updateFrontMotionBlock();
    void updateRearMotionBlock();

private:
    void displayFileData() override;
    QList<QCheckBox *> zoneBoxes(const QString &camera) const;

    std::unique_ptr<Ui::TVKSettingForMotionViewController> ui;
};
