#pragma once

#include "app/pages/SettingsPageInterface.h"

#include <memory>

class QRadioButton;

namespace Ui {
class AdvancedSettingsPage;
}

// Page 3: card shares, night exposure, camera screen, mains frequency, parking behaviour,
// file length, picture-in-picture corner, Wi-Fi and the format reminder.
class AdvancedSettingsPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit AdvancedSettingsPage(QWidget *parent = nullptr);
    ~AdvancedSettingsPage() override;

    tvk::Result<void> validateUserInput() override;
    bool populate() override;

private:
    void displayFileData() override;
    void sliderMoved(int value);
    void showShares(int alwaysPercent, int motionPercent);
    // The corner cells in pip_position order: bottom right, top right, top left, bottom left.
    QList<QRadioButton *> pipCells() const;

    std::unique_ptr<Ui::AdvancedSettingsPage> ui;
};
