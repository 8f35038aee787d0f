#pragma once

#include "app/pages/SettingsPageInterface.h"

#include <memory>

class QLineEdit;

namespace Ui {
class BasicSettingsPage;
}

// Page 1: segment display, parking waiting time, G-sensor sensitivity, LEDs, video out, car
// number, power cut-off and cable loss.
class BasicSettingsPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit BasicSettingsPage(QWidget *parent = nullptr);
    ~BasicSettingsPage() override;

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

    std::unique_ptr<Ui::BasicSettingsPage> ui;
};
