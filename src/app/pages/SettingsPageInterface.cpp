#include "app/pages/SettingsPageInterface.h"

#include "app/controls/SegmentedButtons.h"
#include "core/common/strings.h"

void SettingsPage::setFileData(SettingsRecord *fileData)
{
    m_fileData = fileData;
    if (m_fileData)
        displayFileData();
}

void storeSegment(const SegmentedButtons *control, quint32 &field)
{
    storeSelection(control->selectedSegment(), field);
}

QString digitWithWord(int digit, const char *key)
{
    return QStringLiteral("%1(%2)").arg(digit).arg(tvk::text(key));
}
