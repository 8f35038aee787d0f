#pragma once

#include "app/pages/SettingsPageInterface.h"

#include <memory>

namespace Ui {
class GpsSettingsPage;
}

// Page 2: no-driving day, speed unit and overlay, time zone and summer time, route saving
// interval, GPS while parked.
class GpsSettingsPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit GpsSettingsPage(QWidget *parent = nullptr);
    ~GpsSettingsPage() override;

    bool populate() override;

private:
    void displayFileData() override;

    std::unique_ptr<Ui::GpsSettingsPage> ui;
};
