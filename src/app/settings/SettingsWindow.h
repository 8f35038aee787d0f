#pragma once

#include "core/settings/FileData.h"
#include "core/settings/SettingsFileSearch.h"

#include <QDialog>
#include <QPointer>
#include <QTimeZone>

#include <memory>

class LoadingOverlay;
class SettingsPageInterface;
class VolumeLabeller;
class VolumeSource;

namespace Ui {
class SettingsWindow;
}

// Where the settings window finds the computer: its volumes, the labeller that renames the
// card, the time zone for a card without settings and the folder the save panel starts in.
struct SettingsEnvironment
{
    VolumeSource *volumes = nullptr;    // lsblk when none
    VolumeLabeller *labeller = nullptr; // UDisks when none
    QTimeZone zone = QTimeZone::systemTimeZone();
    QString documentsFolder; // the user's documents folder when empty
    // The card copy open in the player: its settings and driving log stand in for a card
    // that is not inserted, and the open panel starts there.
    QString playerFolder;
};

// The settings window: finds the card, reads its config.bin into one record, shows one page at
// a time and writes the record back with a fresh checksum.
class SettingsWindow : public QDialog
{
    Q_OBJECT
public:
    explicit SettingsWindow(const SettingsEnvironment &environment = {}, QWidget *parent = nullptr);
    ~SettingsWindow() override;

    static constexpr int kPageCount = 7;
    static constexpr int kDriveInfoPage = 6;

    // Centres the window, searches the card again and reads its file behind the loading sheet;
    // page 0 is attached once the read has been published.
    void showWindow();
    // Opens a settings file chosen by the user (a card folder or a config.bin anywhere), which
    // then becomes the save destination. Fails, about the file, when it cannot be read; the
    // window stays as it was then.
    tvk::Result<void> openSettingFile(const QString &path);

    SettingsRecord *filedata() { return &m_FileData; }
    const QString &settingFilePath() const { return m_card.settingFilePath; }
    qint64 lastSelectedTabIndex() const { return m_lastSelectedTabIndex; }
    QWidget *targetController() const { return m_targetController; }
    LoadingOverlay *loadingSheet() const { return m_loadingSheet; }

    void showPage(qint64 index);
    tvk::Result<void> validateUserInput();
    bool populate();

    void onSave();
    void onSaveDefaultSetting();
    void onFormat();
    void onDiskUtil();
    void onOpen();
    void onCloseCmd();

    void showLoading(const QString &caption);
    void hideLoading();

protected:
    // The map of the driving log goes with the window.
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void connectControls();
    void prepareFirstShow();
    // Reads the card's record again when the window is first shown: in the background
    // behind the loading sheet, or from the player's copy.
    void readCardRecord();
    bool startReadingCardRecord();
    // The card's record at once, so that the window holds it before it is shown.
    void readCardRecordNow();
    void findUSBVolume();
    void updateTitle();
    // Says why the page's input cannot be stored.
    void showRefusal(const tvk::Failure &failure);
    void showRecordState(const QString &note = {});
    QWidget *createPage(qint64 index);
    QWidget *createDriveInfoController();
    QString saveDestination();
    void writeTo(const QString &path);
    SettingsPageInterface *currentPage() const;
    bool openPlayerCopy();
    void resetDriveInfoPage();

    std::unique_ptr<Ui::SettingsWindow> ui;
    std::unique_ptr<VolumeSource> m_ownVolumes;
    std::unique_ptr<VolumeLabeller> m_ownLabeller;
    VolumeSource *m_volumes;
    VolumeLabeller *m_labeller;
    SettingsEnvironment m_environment;
    SettingsRecord m_FileData{};
    SettingsCardSelection m_card;
    bool m_openedByUser = false;
    QString m_strVersion;
    qint64 m_lastSelectedTabIndex = -1;
    QPointer<QWidget> m_targetController;
    QPointer<QWidget> m_driveInfoController;
    QPointer<QWidget> m_lastDialogController;
    LoadingOverlay *m_loadingSheet = nullptr;
    bool m_windowLoaded = false;
};
