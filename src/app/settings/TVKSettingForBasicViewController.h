#pragma once

#include "app/pages/TVKSettingControllerDelegate.h"

#include <memory>

class QLineEdit;

namespace Ui {
class TVKSettingForBasicViewController;
}

// Page 1: segment display, parking waiting time, G-sensor sensitivity, LEDs, video out, car
// number, power cut-off and cable loss.
class TVKSettingForBasicViewController : public TVKSettingPage
{
    Q_OBJECT
public:
    explicit TVKSettingForBasicViewController(QWidget *parent = nullptr);
    ~TVKSettingForBasicViewController() override;

    tvk::Result<void> validateUserInput() override;
    bool populate() override;

private:
    void displayFileData() override;
    void changeGsensorEnable();
    void updateGsensorThreshold();
    void updatePowerUI();
    void clickUseExternalPowerChk();
    void powerVoltageSelected(int item);
    QList<QLineEdit *> drivingFields() const;
    QList<QLineEdit *> parkingFields() const;

    std::unique_ptr<Ui::TVKSettingForBasicViewController> ui;
};
