#include "core/card/CardFormatter.h"

#include "core/card/ConfigBackup.h"
#include "core/card/FormatCommands.h"
#include "core/card/VolumeSource.h"
#include "core/card/Volumes.h"
#include "core/common/log.h"
#include "core/common/strings.h"
#include "core/settings/SettingsRecord.h"

#include <QDir>
#include <QtConcurrent/QtConcurrentRun>

CardFormatter::CardFormatter(VolumeSource &volumes, CommandRunner &commands, QObject *parent)
    : QObject(parent), m_volumes(volumes), m_commands(commands), m_backupRoot(QDir::tempPath())
{}

CardFormatter::~CardFormatter()
{
    m_work.waitForFinished();
}

bool CardFormatter::start(const UsbDisk &volume)
{
    if (m_running)
        return false;
    m_running = true;
    m_stage = Stoppable;
    // The destructor waits for the worker, so `this` outlives every call posted from it.
    const auto post = [this](std::function<void()> call) {
        QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
    };
    m_work = QtConcurrent::run([this, volume, post] {
        const auto step = [this, post](const QString &message) {
            post([this, message] { emit stepMessage(message); });
        };
        const auto erasing = [this, post] {
            post([this] { emit eraseStarted(); });
        };
        const FormatOutcome outcome = run(volume, step, erasing);
        m_stage = Idle;
        post([this, outcome] {
            m_running = false;
            emit finished(outcome);
        });
    });
    return true;
}

bool CardFormatter::cancel()
{
    int stage = Stoppable;
    return m_stage.compare_exchange_strong(stage, StopRequested) || stage == StopRequested;
}

FormatOutcome CardFormatter::run(const UsbDisk &volume,
                                 const std::function<void(const QString &)> &step,
                                 const std::function<void()> &erasing)
{
    FormatOutcome outcome;
    outcome.volume = volume;
    outcome.messageText = tvk::text("msg.cannot_format");
    step(tvk::text("format.step.start"));

    const tvk::Result<FormatTarget> checked =
        formatTarget(blockDevices(m_volumes), volume.deviceFilePath());
    if (!checked) {
        outcome.informativeText = volume.displayString() + u'\n' + checked.failure().message();
        return outcome;
    }
    const FormatTarget &target = *checked;

    // Without a sound copy the card's settings would be lost: stop before anything is erased.
    const tvk::Result<QString> backup = backupConfigFile(volume.mountPath(), m_backupRoot);
    if (!backup) {
        tvk::log(QStringLiteral("error=%1").arg(backup.failure().text()));
        outcome.messageText = tvk::text("msg.config_copy_fail");
        outcome.informativeText = backup.failure().text();
        return outcome;
    }
    outcome.backupPath = *backup;

    // The last moment a stop leaves the card as it was; after it, a stop would lose the card.
    if (m_stage.exchange(Erasing) == StopRequested) {
        outcome.cancelled = true;
        outcome.messageText = tvk::text("msg.format.cancelled");
        outcome.informativeText = volume.displayString();
        return outcome;
    }
    if (erasing)
        erasing();

    step(tvk::text("format.step.unmount"));
    for (const QString &path : target.unmountPaths)
        (void)m_commands.run(unmountCommand(path), false);

    const int sectors = clusterSizeByVolumeSize(volume.volumeSize());
    step(tvk::text("format.step.formatting"));
    if (const tvk::Result<void> formatted =
            m_commands.run(formatCommand(sectors, target.device.path), true);
        !formatted) {
        outcome.formatError = formatted.failure();
        (void)m_commands.run(mountCommand(target.device.path), false);
        if (auto again = reselect(volume.deviceFilePath(), step))
            outcome.volume = again;
        const tvk::Failure &error = *outcome.formatError;
        outcome.informativeText =
            error.code == ShellErrorNumber::WriteProtected
                ? volume.displayString() + u'\n' + tvk::text("msg.write_protected_disk")
                : volume.displayString() + u'\n' + tvk::text("format.error") +
                      error.reasonOrMessage();
        return outcome;
    }

    step(tvk::text("format.step.mount"));
    (void)m_commands.run(mountCommand(target.device.path), false);
    step(tvk::text("format.step.completed"));
    const std::optional<UsbDisk> formatted = reselect(volume.deviceFilePath(), step);
    if (!formatted) {
        outcome.volume.reset();
        outcome.messageText = tvk::text("msg.config_copy_fail");
        outcome.informativeText =
            outcome.backupPath.isEmpty()
                ? tvk::text("msg.format.not_remounted").arg(volume.deviceFilePath())
                : tvk::text("msg.format.not_remounted_copy")
                      .arg(volume.deviceFilePath(), outcome.backupPath);
        return outcome;
    }
    FormatOutcome restored = restore(*formatted, outcome.backupPath);
    restored.backupPath = outcome.backupPath;
    return restored;
}

std::optional<UsbDisk> CardFormatter::reselect(const QString &deviceName,
                                               const std::function<void(const QString &)> &step)
{
    step(tvk::text("format.step.searching"));
    for (const UsbDisk &entity : usbDiskEntities(m_volumes)) {
        if (entity.deviceFilePath() == deviceName && !entity.mountPath().isEmpty())
            return entity;
    }
    return std::nullopt;
}

FormatOutcome CardFormatter::restore(const UsbDisk &volume, const QString &backupPath)
{
    FormatOutcome outcome;
    outcome.volume = volume;
    outcome.messageText = tvk::text("msg.config_copy_fail");
    const QString target = QDir(volume.mountPath()).filePath(QStringLiteral("config.bin"));
    const tvk::Result<void> written = backupPath.isEmpty() ? writeDefaultSettingsFile(target)
                                                           : copyConfigFile(backupPath, target);
    if (!written) {
        tvk::log(QStringLiteral("error=%1").arg(written.failure().text()));
        outcome.informativeText = written.failure().text();
        return outcome;
    }
    outcome.succeeded = true;
    outcome.messageText = tvk::text("msg.format_complete");
    outcome.informativeText = volume.displayString();
    return outcome;
}
