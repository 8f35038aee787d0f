#pragma once

#include "app/pages/TVKSettingControllerDelegate.h"

#include <memory>

namespace Ui {
class TVKSettingForVideoViewController;
}

// Page 0: recording quality, brightness, rear reversal and frame rate, window tint.
class TVKSettingForVideoViewController : public TVKSettingPage
{
    Q_OBJECT
public:
    explicit TVKSettingForVideoViewController(QWidget *parent = nullptr);
    ~TVKSettingForVideoViewController() override;

    bool populate() override;

private:
    void displayFileData() override;

    std::unique_ptr<Ui::TVKSettingForVideoViewController> ui;
};
