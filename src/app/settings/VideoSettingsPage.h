#pragma once

#include "app/pages/SettingsPageInterface.h"

#include <memory>

namespace Ui {
class VideoSettingsPage;
}

// Page 0: recording quality, brightness, rear reversal and frame rate, window tint.
class VideoSettingsPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit VideoSettingsPage(QWidget *parent = nullptr);
    ~VideoSettingsPage() override;

    bool populate() override;

private:
    void displayFileData() override;

    std::unique_ptr<Ui::VideoSettingsPage> ui;
};
