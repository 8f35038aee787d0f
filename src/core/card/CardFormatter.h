#pragma once

#include "core/card/ShellCommand.h"
#include "core/card/UsbDisk.h"

#include <QFuture>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>

class CommandRunner;
class VolumeSource;

// How a format ended: the alert to show and the volume to select afterwards.
struct FormatOutcome
{
    bool succeeded = false;
    bool cancelled = false;        // stopped on request before anything was erased
    std::optional<UsbDisk> volume; // the card found again after formatting, if it was
    QString messageText;           // the alert's title
    QString informativeText;
    QString backupPath;                      // the saved copy of config.bin, when one was made
    std::optional<tvk::Failure> formatError; // mkfs.fat's failure, when it failed
};

// The card format sequence: backup of config.bin, unmount, mkfs.fat with administrator
// rights, mount, search again, re-select by device name, put config.bin back. The blocking
// steps run on a worker thread; step messages and the outcome arrive as signals on the
// formatter's own thread. A device that is not a removable, writable USB volume, or that holds
// a system mount, is refused before anything runs, and config.bin is only ever put back on
// the volume that was formatted. Once the card is unmounted for the erase the sequence runs to
// its end: stopping there would leave the card erased, unmounted and without its settings.
class CardFormatter : public QObject
{
    Q_OBJECT
public:
    CardFormatter(VolumeSource &volumes, CommandRunner &commands, QObject *parent = nullptr);
    ~CardFormatter() override;

    // Where backups of config.bin go (a new folder per format); the temporary folder by default.
    void setBackupRoot(const QString &folder) { m_backupRoot = folder; }

    // Starts formatting; false when a format is already running.
    bool start(const UsbDisk &volume);
    bool isRunning() const { return m_running; }

    // Asks the running sequence to stop before it erases; false once the erase has begun (the
    // sequence then finishes and puts config.bin back) or when nothing runs.
    bool cancel();

    // The whole sequence, blocking, on the calling thread; `step` gets each message and
    // `erasing` is called once the sequence can no longer be stopped.
    FormatOutcome run(const UsbDisk &volume, const std::function<void(const QString &)> &step,
                      const std::function<void()> &erasing = {});

signals:
    void stepMessage(const QString &message);
    // The card is about to be unmounted and erased: from here on the sequence cannot be stopped.
    void eraseStarted();
    void finished(const FormatOutcome &outcome);

private:
    std::optional<UsbDisk> reselect(const QString &deviceName,
                                    const std::function<void(const QString &)> &step);
    FormatOutcome restore(const UsbDisk &volume, const QString &backupPath);

    VolumeSource &m_volumes;
    CommandRunner &m_commands;
    QString m_backupRoot;
    bool m_running = false;
    enum Stage { Idle, Stoppable, StopRequested, Erasing };
    std::atomic<int> m_stage = Idle;
    QFuture<void> m_work;
};
