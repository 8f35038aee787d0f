#pragma once

#include "app/settings/TVKSettingControllerDelegate.h"

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

    std::optional<QString> validateUserInput() override;
    bool populate() override;

    static int findAlwaysModeTimeoutIndexByValue(quint32 seconds);
    static int findPowerVoltageIndexByValue(quint32 millivolts);
    static int findPowerTimeIndexByValue(quint32 hours);
    static int findDrivingGsensorThresholdIndexByXYZ(qint32 x, qint32 y, qint32 z);
    static int findParkingGsensorThresholdIndexByXYZ(qint32 x, qint32 y, qint32 z);

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
