#pragma once

#include "app/pages/TVKSettingControllerDelegate.h"

#include <memory>

class QButtonGroup;
class QRadioButton;

namespace Ui {
class TVKSettingForAudioViewController;
}

// Page 5: microphone and speaker volume, hourly chime and the voice guidance language.
class TVKSettingForAudioViewController : public TVKSettingPage
{
    Q_OBJECT
public:
    explicit TVKSettingForAudioViewController(QWidget *parent = nullptr);
    ~TVKSettingForAudioViewController() override;

    bool populate() override;

    // The grid's columns; a cell's language number is row * columns + column.
    static constexpr int kColumns = 4;
    static constexpr int kLanguages = 20;
    static constexpr quint32 kMalaysia = 20;

private:
    void displayFileData() override;
    void voiceLangMatrixSelected();
    void malaysiaRadioSelected();
    void clearGrid();

    std::unique_ptr<Ui::TVKSettingForAudioViewController> ui;
    QButtonGroup *m_grid = nullptr;
};
