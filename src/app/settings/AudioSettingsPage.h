#pragma once

#include "app/pages/SettingsPageInterface.h"

#include <memory>

class QButtonGroup;
class QRadioButton;

namespace Ui {
class AudioSettingsPage;
}

// Page 5: microphone and speaker volume, hourly chime and the voice guidance language.
class AudioSettingsPage : public SettingsPage
{
    Q_OBJECT
public:
    explicit AudioSettingsPage(QWidget *parent = nullptr);
    ~AudioSettingsPage() override;

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

    std::unique_ptr<Ui::AudioSettingsPage> ui;
    QButtonGroup *m_grid = nullptr;
};
