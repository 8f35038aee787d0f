// The dialog windows opened from the head bar; the last one opened is kept.
#include "app/card/ClockWindow.h"
#include "app/player/PlayerWindow.h"
#include "app/settings/SettingsWindow.h"
#include "app/trips/TripPanel.h"

#include <QPointer>

void PlayerWindow::keepAsLastDialog(QWidget *dialog)
{
    if (m_lastDialogController)
        m_lastDialogController->close();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_lastDialogController = dialog;
}

void PlayerWindow::showSettingPanel()
{
    showSettingsOf(m_mediaList->directoryPath());
}

void PlayerWindow::showSettingsOf(const QString &folder)
{
    SettingsEnvironment environment;
    environment.playerFolder = folder;
    auto *settings = new SettingsWindow(environment);
    keepAsLastDialog(settings);
    settings->showWindow();
}

void PlayerWindow::showTimeSetupPanel()
{
    auto *clock = new ClockWindow;
    m_tripPanel->proposeClockCorrection(clock);
    keepAsLastDialog(clock);
    clock->showWindow();
}
