#pragma once

#include "core/settings/FileData.h"

#include <QString>
#include <QWidget>

class SegmentedButtons;

// What the settings window asks of each of its pages.
class SettingsPageInterface
{
public:
    virtual ~SettingsPageInterface() = default;
    // Keeps the address of the window's record (never a copy) and shows its values at once.
    virtual void setFileData(SettingsRecord *fileData) = 0;
    // Fails with what to show when the page's input cannot be stored. Changes nothing.
    virtual tvk::Result<void> validateUserInput() = 0;
    // Stores the controls into the record; false when the page refused and has warned itself.
    virtual bool populate() = 0;
    // Called just before the page is taken out of the window.
    virtual void onHide() {}
};

// What the pages share: the record they edit in place.
class SettingsPage : public QWidget, public SettingsPageInterface
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    void setFileData(SettingsRecord *fileData) override;
    tvk::Result<void> validateUserInput() override { return {}; }

protected:
    // Shows the record's values; nothing while there is no record.
    virtual void displayFileData() = 0;
    SettingsRecord *fileData() const { return m_fileData; }

private:
    SettingsRecord *m_fileData = nullptr;
};

// A control that shows no choice (a stored value it has no position for) leaves the field as it
// was, so that saving never rewrites a value the user did not touch.
template <class Field> void storeSelection(int selected, Field &field)
{
    if (selected >= 0)
        field = Field(selected);
}
void storeSegment(const SegmentedButtons *control, quint32 &field);

// "3(Default)": a digit label with a looked-up word in brackets.
QString digitWithWord(int digit, const char *key);
