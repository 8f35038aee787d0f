#pragma once

#include "core/card/ShellCommand.h"
#include "core/card/TKUSBDiskEntity.h"

#include <QFuture>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class CommandRunner;
class VolumeSource;

// How a format ended: the alert to show and the volume to select afterwards.
struct TVKFormatOutcome
{
    bool succeeded = false;
    std::optional<TKUSBDiskEntity> volume; // the card found again after formatting, if it was
    QString messageText;                   // the alert's title
    QString informativeText;
    QString backupPath;                      // the saved copy of config.bin, when one was made
    std::optional<tvk::Failure> formatError; // mkfs.fat's failure, when it failed
};

// The card format sequence: backup of config.bin, unmount, mkfs.fat with administrator
// rights, mount, search again, re-select by device name, put config.bin back. The blocking
// steps run on a worker thread; step messages and the outcome arrive as signals on the
// formatter's own thread. A device that is not a removable, writable USB volume, or that holds
// a system mount, is refused before anything runs, and config.bin is only ever put back on
// the volume that was formatted.
class TVKCardFormatter : public QObject
{
    Q_OBJECT
public:
    TVKCardFormatter(VolumeSource &volumes, CommandRunner &commands, QObject *parent = nullptr);
    ~TVKCardFormatter() override;

    // Where backups of config.bin go (a new folder per format); the temporary folder by default.
    void setBackupRoot(const QString &folder) { m_backupRoot = folder; }

    // Starts formatting; false when a format is already running.
    bool start(const TKUSBDiskEntity &volume);
    bool isRunning() const { return m_running; }

    // The whole sequence, blocking, on the calling thread; `step` gets each message.
    TVKFormatOutcome run(const TKUSBDiskEntity &volume,
                         const std::function<void(const QString &)> &step);

signals:
    void stepMessage(const QString &message);
    void finished(const TVKFormatOutcome &outcome);

private:
    std::optional<TKUSBDiskEntity> reselect(const QString &deviceName,
                                            const std::function<void(const QString &)> &step);
    TVKFormatOutcome restore(const TKUSBDiskEntity &volume, const QString &backupPath);

    VolumeSource &m_volumes;
    CommandRunner &m_commands;
    QString m_backupRoot;
    bool m_running = false;
    QFuture<void> m_work;
};
