#pragma once

#include "app/pages/TVKSettingControllerDelegate.h"

#include <memory>

namespace Ui {
class TVKSettingForGpsViewController;
}

// Page 2: no-driving day, speed unit and overlay, time zone and summer time, route saving
// interval, GPS while parked.
class TVKSettingForGpsViewController : public TVKSettingPage
{
    Q_OBJECT
public:
    explicit TVKSettingForGpsViewController(QWidget *parent = nullptr);
    ~TVKSettingForGpsViewController() override;

    bool populate() override;

private:
    void displayFileData() override;

    std::unique_ptr<Ui::TVKSettingForGpsViewController> ui;
};
