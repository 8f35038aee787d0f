// tavik-tool volumes [--json] [--lsblk FILE]: the mounted USB volumes, how the application
// shows them, and the one it takes for the camera's card. --lsblk reads a recorded output of
// `lsblk --json --bytes -o ...` instead of asking the computer.
#include "core/card/Volumes.h"

#include "core/card/LsblkVolumeSource.h"
#include "core/card/recordedlsblk.h"
#include "core/common/strings.h"
#include "tool/command.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QCommandLineOption kLsblk(QStringLiteral("lsblk"),
                                QStringLiteral("tool.help.volumes_read_a_recorded"),
                                QStringLiteral("FILE"));

class RecordedVolumeSource : public VolumeSource
{
public:
    explicit RecordedVolumeSource(QByteArray json) : m_json(std::move(json)) {}
    tvk::Result<QByteArray> lsblkJson() override { return m_json; }

private:
    QByteArray m_json;
};

QJsonObject entityJson(const UsbDisk &e)
{
    return QJsonObject{
        {QStringLiteral("device"), e.deviceFilePath()},
        {QStringLiteral("path"), e.key()},
        {QStringLiteral("mountPath"), e.mountPath()},
        {QStringLiteral("volumeName"), e.volumeName()},
        {QStringLiteral("deviceModel"),
         e.deviceModel().isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(e.deviceModel())},
        {QStringLiteral("volumeSize"), static_cast<qint64>(e.volumeSize())},
        {QStringLiteral("writable"), e.writable()},
        {QStringLiteral("mediaWhole"), e.mediaWhole()},
        {QStringLiteral("displayString"), e.displayString()},
    };
}

int runVolumes(const QCommandLineParser &line)
{
    const bool json = line.isSet(toolJsonOption());
    const QString recorded = line.value(kLsblk);

    QByteArray output;
    if (recorded.isEmpty()) {
        const tvk::Result<QByteArray> listed = LsblkVolumeSource().lsblkJson();
        if (!listed)
            return toolFailure(listed.failure().text());
        output = *listed;
    } else {
        const tvk::Result<QByteArray> read = readRecordedLsblk(recorded);
        if (!read)
            return toolFailure(read.failure().text());
        output = *read;
    }
    RecordedVolumeSource source(output);
    const QList<UsbDisk> entities = usbDiskEntities(source);
    const std::optional<UsbDisk> camera = findCameraDisk(entities);

    if (json) {
        QJsonArray list;
        for (const UsbDisk &entity : entities)
            list.append(entityJson(entity));
        const QJsonObject object{
            {QStringLiteral("volumes"), list},
            {QStringLiteral("cameraDisk"),
             camera ? QJsonValue(camera->deviceFilePath()) : QJsonValue(QJsonValue::Null)}};
        toolOut() << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
        return 0;
    }
    for (const UsbDisk &e : entities) {
        toolOut() << (camera && *camera == e ? "* " : "  ") << e.deviceFilePath() << "   "
                  << e.mountPath() << "   " << e.displayString() << "   "
                  << tvk::text(e.writable() ? "tool.volume_writable" : "tool.volume_read_only")
                  << ", "
                  << tvk::text(e.mediaWhole() ? "tool.volume_whole_disk" : "tool.volume_partition")
                  << '\n';
    }
    if (entities.isEmpty())
        toolOut() << tvk::text("tool.volume_none") << '\n';
    else
        toolOut() << tvk::text("tool.volume_camera_card")
                         .arg(camera ? camera->deviceFilePath() : tvk::text("tool.volume_no_card"))
                  << '\n';
    return 0;
}

const ToolCommandRegistration registration{{
    QStringLiteral("volumes"),
    QStringLiteral("volumes [--json] [--lsblk FILE]"),
    QStringLiteral("tool.help.volumes_lists_the_mounted"),
    {toolJsonOption(), kLsblk},
    {},
    runVolumes,
}};

} // namespace
