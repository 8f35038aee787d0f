// The dialog windows opened from the head bar; the last one opened is kept.
#include "app/card/TVKTimeSetupController.h"
#include "app/player/TVKAppDelegate.h"
#include "app/settings/TVKSettingController.h"
#include "app/trips/TVKTripPanel.h"

#include <QPointer>

void TVKAppDelegate::keepAsLastDialog(QWidget *dialog)
{
    if (m_lastDialogController)
        m_lastDialogController->close();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_lastDialogController = dialog;
}

void TVKAppDelegate::showSettingPanel()
{
    showSettingsOf(m_mediaList->directoryPath());
}

void TVKAppDelegate::showSettingsOf(const QString &folder)
{
    TVKSettingEnvironment environment;
    environment.playerFolder = folder;
    auto *settings = new TVKSettingController(environment);
    keepAsLastDialog(settings);
    settings->showWindow();
}

void TVKAppDelegate::showTimeSetupPanel()
{
    auto *clock = new TVKTimeSetupController;
    m_tripPanel->proposeClockCorrection(clock);
    keepAsLastDialog(clock);
    clock->showWindow();
}
