// tavik-tool format DEVICE --yes: formats a mounted USB card for the camera (FAT32, label
// TAVIK) and puts its config.bin back, printing the steps as the format window shows them.
#include "core/card/CardFormatter.h"
#include "core/card/FormatCommands.h"
#include "core/card/LsblkVolumeSource.h"
#include "core/card/Volumes.h"
#include "core/common/strings.h"
#include "tool/command.h"

#include <QEventLoop>

namespace {

const QCommandLineOption kYes(QStringLiteral("yes"),
                              QStringLiteral("tool.help.format_erase_without_asking"));

int runFormat(const QCommandLineParser &line)
{
    QString device = line.positionalArguments().first();
    const bool confirmed = line.isSet(kYes);
    if (device.startsWith(QLatin1String("/dev/")))
        device = device.mid(5);

    LsblkVolumeSource volumes;
    std::optional<UsbDisk> chosen;
    for (const UsbDisk &entity : usbDiskEntities(volumes)) {
        if (entity.deviceFilePath() == device)
            chosen = entity;
    }
    if (!chosen)
        return toolFailure(tvk::text("tool.format_not_usb").arg(device));
    if (!confirmed)
        return toolUsageError(
            tvk::text("tool.format_needs_yes").arg(chosen->displayString(), chosen->mountPath()));

    toolOut() << chosen->displayString() << "  "
              << tvk::text("tool.format_cluster")
                     .arg(clusterSizeText(clusterSizeByVolumeSize(chosen->volumeSize())))
              << Qt::endl;
    ShellCommandRunner commands;
    CardFormatter formatter(volumes, commands);
    QEventLoop loop;
    FormatOutcome result;
    QObject::connect(&formatter, &CardFormatter::stepMessage, &formatter,
                     [](const QString &message) { toolOut() << message << Qt::endl; });
    QObject::connect(&formatter, &CardFormatter::finished, &formatter,
                     [&](const FormatOutcome &outcome) {
                         result = outcome;
                         loop.quit();
                     });
    formatter.start(*chosen);
    loop.exec();

    toolOut() << result.messageText << '\n' << result.informativeText << '\n';
    if (!result.backupPath.isEmpty())
        toolOut() << tvk::text("tool.format_backup").arg(result.backupPath) << '\n';
    return result.succeeded ? 0 : 1;
}

const ToolCommandRegistration registration{{
    QStringLiteral("format"),
    QStringLiteral("format DEVICE --yes"),
    QStringLiteral("tool.help.format_formats_a_mounted"),
    {kYes},
    {{QStringLiteral("DEVICE"), QStringLiteral("tool.help.format_the_card_s")}},
    runFormat,
}};

} // namespace
