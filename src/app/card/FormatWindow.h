#pragma once

#include "core/card/UsbDisk.h"

#include <QDialog>
#include <QFutureSynchronizer>
#include <QList>

#include <functional>
#include <memory>

class CommandRunner;
class ShellCommandRunner;
class CardFormatter;
class VolumeSource;
struct FormatOutcome;

namespace Ui {
class FormatWindow;
}

// The card format window: the USB volumes to choose from, what the format will make of the
// chosen one, a confirmation that names what will be erased, and the core's format sequence
// with its step messages.
class FormatWindow : public QDialog
{
    Q_OBJECT
public:
    // `volumes` and `commands`: lsblk and the shell when none.
    explicit FormatWindow(VolumeSource *volumes = nullptr, CommandRunner *commands = nullptr,
                          QWidget *parent = nullptr);
    ~FormatWindow() override;

    void showWindow();

    // Searches the volumes on a worker thread and refills the list; then `completion`.
    void loadUSBVolumes(std::function<void()> completion = {});
    std::optional<UsbDisk> selectedUSBDisk() const;
    std::optional<UsbDisk> selectUSBByDevFile(const QString &deviceName);
    void updateSelectedDiskInfo();

    void onFormat();
    bool isProgressShown() const { return !m_stopProgressBar; }

protected:
    // While a format runs the window stays: closing only asks the sequence to stop, which it
    // does before the erase and not after.
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

signals:
    void volumesLoaded();
    void formatFinished();

private:
    void confirmFormat(const UsbDisk &volume);
    void doFormat(const UsbDisk &volume);
    void formatDidFinish(const FormatOutcome &outcome);
    void showProgressBar(const QString &message);
    void updateProgressBar(double seconds);
    void hideProgressBar();
    void stopOrKeepRunning();

    std::unique_ptr<Ui::FormatWindow> ui;
    std::unique_ptr<VolumeSource> m_ownVolumes;
    std::unique_ptr<ShellCommandRunner> m_ownCommands;
    VolumeSource *m_volumes;
    // Declared after the sources and runners they use, so that they (and their workers) go
    // first.
    std::unique_ptr<CardFormatter> m_formatter;
    QFutureSynchronizer<QList<UsbDisk>> m_searches;
    QList<UsbDisk> m_usbDiskArray;
    double m_progress = 0;
    bool m_stopProgressBar = true;
    bool m_closeWhenStopped = false;
};
