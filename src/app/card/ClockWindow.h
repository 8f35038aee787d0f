#pragma once

#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QTime>

#include <memory>
#include <optional>

class QLabel;
class VolumeSource;

namespace Ui {
class ClockWindow;
}

// The clock window: the user picks a date and a time of day and writes them to timeset.cfg,
// from which the camera sets its clock. The card is looked for once, when the window opens.
class ClockWindow : public QDialog
{
    Q_OBJECT
public:
    // `volumes`: where the card is looked for (lsblk when none).
    explicit ClockWindow(VolumeSource *volumes = nullptr, QWidget *parent = nullptr);
    ~ClockWindow() override;

    void showWindow();

    const QString &settingFilePath() const { return m_SettingFilePath; }
    QDate selectedDate() const { return m_selectedDate; }
    QTime selectedTime() const { return m_selectedTime; }

    // The recordings show the camera's clock `offsetSeconds` off the GPS time (positive:
    // ahead). Beyond the tolerance the window proposes the time `nowUtc` in the card's zone
    // and says why; within it nothing changes. Returns whether a time was proposed.
    bool proposeCorrection(double offsetSeconds, int zoneSeconds,
                           const QDateTime &nowUtc = QDateTime::currentDateTimeUtc());

    void onSaveConfigFile();
    void doWriteConfigFile(const QString &path);

private:
    // Finds the card that already holds the clock file and picks the time now.
    void showCardAndNow(VolumeSource &volumes);
    void daySelectedFromPicker();
    void timeSelectedFromPicker();
    void timeSelectedFromClickTimePicker();
    void nowDayChecked();
    void showSelectedDate();
    // The time now in the card's zone once a proposal named one, else this computer's.
    QDateTime nowInZone() const;

    std::unique_ptr<Ui::ClockWindow> ui;
    QString m_SettingFilePath;
    QDate m_selectedDate;
    QTime m_selectedTime;
    QLabel *m_proposalNote = nullptr;
    std::optional<int> m_zoneSeconds;
};
