#include "TVKCardFormatter.h"

#include "VolumeSource.h"
#include "common/log.h"
#include "common/strings.h"
#include "configbackup.h"
#include "formatcommands.h"
#include "settings/settingsrecord.h"
#include "volumes.h"

#include <QDir>
#include <QtConcurrent/QtConcurrentRun>

TVKCardFormatter::TVKCardFormatter(VolumeSource &volumes, CommandRunner &commands, QObject *parent)
    : QObject(parent), m_volumes(volumes), m_commands(commands), m_backupRoot(QDir::tempPath())
{}

TVKCardFormatter::~TVKCardFormatter()
{
    m_work.waitForFinished();
}

bool TVKCardFormatter::start(const TKUSBDiskEntity &volume)
{
    if (m_running)
        return false;
    m_running = true;
    // The destructor waits for the worker, so `this` outlives every call posted from it.
    const auto post = [this](std::function<void()> call) {
        QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
    };
    m_work = QtConcurrent::run([this, volume, post] {
        const auto step = [this, post](const QString &message) {
            post([this, message] { emit stepMessage(message); });
        };
        const TVKFormatOutcome outcome = run(volume, step);
        post([this, outcome] {
            m_running = false;
            emit finished(outcome);
        });
    });
    return true;
}

TVKFormatOutcome TVKCardFormatter::run(const TKUSBDiskEntity &volume,
                                       const std::function<void(const QString &)> &step)
{
    TVKFormatOutcome outcome;
    outcome.volume = volume;
    outcome.messageText = tvk::text("msg.cannot_format");
    step(QStringLiteral("Formatting..."));

    const auto checked =
        formatTarget(parseLsblkJson(m_volumes.lsblkJson()), volume.deviceFilePath());
    if (const auto *refusal = std::get_if<FormatRefusal>(&checked)) {
        outcome.informativeText =
            volume.displayString() + u'\n' +
            (refusal->writeProtected ? tvk::text("msg.write_protected_disk") : refusal->reason);
        return outcome;
    }
    const FormatTarget &target = std::get<FormatTarget>(checked);

    // Without a sound copy the card's settings would be lost: stop before anything is erased.
    const ConfigBackup backup = backupConfigFile(volume.mountPath(), m_backupRoot);
    if (!backup.error.isEmpty()) {
        tvk::log(QStringLiteral("error=%1").arg(backup.error));
        outcome.messageText = QStringLiteral("config.bin copy fail");
        outcome.informativeText = backup.error;
        return outcome;
    }
    outcome.backupPath = backup.path;

    step(QStringLiteral("unmount disk..."));
    for (const QString &path : target.unmountPaths)
        m_commands.run(unmountCommand(path), false);

    const int sectors = clusterSizeByVolumeSize(volume.volumeSize());
    step(QStringLiteral("formatting..."));
    outcome.formatError = m_commands.run(formatCommand(sectors, target.device.path), true);
    if (outcome.formatError) {
        m_commands.run(mountCommand(target.device.path), false);
        if (auto again = reselect(volume.deviceFilePath(), step))
            outcome.volume = again;
        const ShellError &error = *outcome.formatError;
        outcome.informativeText =
            error.number == ShellErrorNumber::WriteProtected
                ? volume.displayString() + u'\n' + tvk::text("msg.write_protected_disk")
                : volume.displayString() + QStringLiteral("\nError:") + error.message;
        return outcome;
    }

    step(QStringLiteral("try mount..."));
    m_commands.run(mountCommand(target.device.path), false);
    step(QStringLiteral("Format completed!"));
    const std::optional<TKUSBDiskEntity> formatted = reselect(volume.deviceFilePath(), step);
    if (!formatted) {
        outcome.volume.reset();
        outcome.messageText = QStringLiteral("config.bin copy fail");
        outcome.informativeText =
            backup.path.isEmpty()
                ? QStringLiteral("%1 was formatted but is not mounted again; config.bin was not "
                                 "written.")
                      .arg(volume.deviceFilePath())
                : QStringLiteral("%1 was formatted but is not mounted again; config.bin was not "
                                 "put back. Its copy is %2")
                      .arg(volume.deviceFilePath(), backup.path);
        return outcome;
    }
    TVKFormatOutcome restored = restore(*formatted, backup.path);
    restored.backupPath = backup.path;
    return restored;
}

std::optional<TKUSBDiskEntity>
TVKCardFormatter::reselect(const QString &deviceName,
                           const std::function<void(const QString &)> &step)
{
    step(QStringLiteral("Disk searching..."));
    for (const TKUSBDiskEntity &entity : usbDiskEntities(m_volumes)) {
        if (entity.deviceFilePath() == deviceName && !entity.mountPath().isEmpty())
            return entity;
    }
    return std::nullopt;
}

TVKFormatOutcome TVKCardFormatter::restore(const TKUSBDiskEntity &volume, const QString &backupPath)
{
    TVKFormatOutcome outcome;
    outcome.volume = volume;
    outcome.messageText = QStringLiteral("config.bin copy fail");
    const QString target = QDir(volume.mountPath()).filePath(QStringLiteral("config.bin"));
    if (!backupPath.isEmpty()) {
        const QString error = copyConfigFile(backupPath, target);
        if (!error.isEmpty()) {
            tvk::log(QStringLiteral("error=%1").arg(error));
            outcome.informativeText = error;
            return outcome;
        }
    } else if (const char *key = writeDefaultSettingsFile(target)) {
        outcome.informativeText = tvk::text(key);
        return outcome;
    }
    outcome.succeeded = true;
    outcome.messageText = tvk::text("msg.format_complete");
    outcome.informativeText = volume.displayString();
    return outcome;
}
