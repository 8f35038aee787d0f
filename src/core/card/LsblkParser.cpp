#include "core/card/LsblkParser.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

constexpr int kMaxDepth = 32;

QString textOf(const QJsonValue &value)
{
    return value.isString() ? value.toString() : QString();
}

bool flagOf(const QJsonValue &value)
{
    if (value.isBool())
        return value.toBool();
    if (value.isDouble())
        return value.toDouble() != 0;
    const QString text = value.toString();
    return text == QLatin1String("1") || text == QLatin1String("true");
}

quint64 sizeOf(const QJsonValue &value)
{
    if (value.isDouble()) {
        const double size = value.toDouble();
        return size >= 0 && size < 1.8e19 ? static_cast<quint64>(size) : 0;
    }
    return value.toString().toULongLong();
}

QStringList mountPointsOf(const QJsonObject &object)
{
    QStringList points;
    const QJsonValue list = object.value(QLatin1String("mountpoints"));
    if (list.isArray()) {
        for (const QJsonValue &point : list.toArray()) {
            if (point.isString() && !point.toString().isEmpty())
                points.append(point.toString());
        }
    }
    const QString single = textOf(object.value(QLatin1String("mountpoint")));
    if (!single.isEmpty() && !points.contains(single))
        points.append(single);
    return points;
}

void collect(const QJsonArray &array, const BlockDevice *parent, int depth,
             QList<BlockDevice> &devices)
{
    if (depth > kMaxDepth)
        return;
    for (const QJsonValue &entry : array) {
        if (!entry.isObject())
            continue;
        const QJsonObject object = entry.toObject();
        BlockDevice device;
        device.name = textOf(object.value(QLatin1String("name")));
        device.path = textOf(object.value(QLatin1String("path")));
        device.type = textOf(object.value(QLatin1String("type")));
        device.bus = textOf(object.value(QLatin1String("tran")));
        device.parentName = textOf(object.value(QLatin1String("pkname")));
        const QString model = textOf(object.value(QLatin1String("model"))).trimmed();
        device.model = model.isEmpty() ? QString() : model;
        device.label = textOf(object.value(QLatin1String("label")));
        device.fsType = textOf(object.value(QLatin1String("fstype")));
        device.mountPoints = mountPointsOf(object);
        device.size = sizeOf(object.value(QLatin1String("size")));
        device.removable = flagOf(object.value(QLatin1String("rm")));
        device.readOnly = flagOf(object.value(QLatin1String("ro")));
        if (device.path.isEmpty() && !device.name.isEmpty())
            device.path = QLatin1String("/dev/") + device.name;
        if (parent && device.parentName.isEmpty())
            device.parentName = parent->name;
        devices.append(device);
        const QJsonValue children = object.value(QLatin1String("children"));
        if (children.isArray()) {
            const BlockDevice self = devices.last();
            collect(children.toArray(), &self, depth + 1, devices);
        }
    }
}

} // namespace

bool BlockDevice::isMounted() const
{
    for (const QString &point : mountPoints) {
        if (point.startsWith(u'/'))
            return true;
    }
    return false;
}

QString lsblkColumns()
{
    return QStringLiteral("NAME,PATH,TYPE,TRAN,RM,RO,SIZE,MODEL,LABEL,FSTYPE,MOUNTPOINTS,PKNAME");
}

QList<BlockDevice> parseLsblkJson(const QByteArray &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    QList<BlockDevice> devices;
    collect(document.object().value(QLatin1String("blockdevices")).toArray(), nullptr, 0, devices);

    // What the parent knows and the partition does not, the partition inherits; lsblk lists
    // parents first, so one pass in order reaches through several levels.
    QHash<QString, qsizetype> index;
    for (qsizetype i = 0; i < devices.size(); ++i) {
        BlockDevice &device = devices[i];
        const auto parent = index.constFind(device.parentName);
        if (!device.parentName.isEmpty() && parent != index.constEnd()) {
            const BlockDevice &disk = devices.at(*parent);
            if (device.bus.isEmpty())
                device.bus = disk.bus;
            if (device.model.isNull())
                device.model = disk.model;
            device.removable = device.removable || disk.removable;
            device.readOnly = device.readOnly || disk.readOnly;
        }
        if (!device.name.isEmpty() && !index.contains(device.name))
            index.insert(device.name, i);
    }
    return devices;
}
