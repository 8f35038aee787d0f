// tavik-tool format DEVICE --yes: formats a mounted USB card for the camera (FAT32, label
// TAVIK) and puts its config.bin back, printing the steps as the format window shows them.
#include "core/card/CardFormatter.h"
#include "core/card/FormatCommands.h"
#include "core/card/LsblkVolumeSource.h"
#include "core/card/Volumes.h"
#include "tool/command.h"

#include <QEventLoop>

namespace {

const QCommandLineOption kYes(QStringLiteral("yes"), QStringLiteral("Erase without asking."));

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
        return toolFailure(
            QStringLiteral("%1: not a mounted USB volume; see tavik-tool volumes").arg(device));
    if (!confirmed)
        return toolUsageError(QStringLiteral("this erases %1 (%2); add --yes to go ahead")
                                  .arg(chosen->displayString(), chosen->mountPath()));

    toolOut() << chosen->displayString() << "  FAT32, cluster "
              << clusterSizeText(clusterSizeByVolumeSize(chosen->volumeSize())) << Qt::endl;
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
        toolOut() << "backup of config.bin: " << result.backupPath << '\n';
    return result.succeeded ? 0 : 1;
}

const ToolCommandRegistration registration{{
    QStringLiteral("format"),
    QStringLiteral("format DEVICE --yes"),
    QStringLiteral("Formats a mounted USB card (DEVICE: sdb1 or /dev/sdb1) for the camera."),
    {kYes},
    {{QStringLiteral("DEVICE"),
      QStringLiteral("The card's volume, as tavik-tool volumes lists it.")}},
    runFormat,
}};

} // namespace
