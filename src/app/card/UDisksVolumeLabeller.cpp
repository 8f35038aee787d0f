#include "app/card/UDisksVolumeLabeller.h"

#include "core/card/ShellCommand.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QVariantMap>

namespace {
constexpr int kTimeoutMs = 30000;
}

QString UDisksVolumeLabeller::objectPathFor(const QString &deviceName)
{
    QString path = QStringLiteral("/org/freedesktop/UDisks2/block_devices/");
    for (const QChar c : deviceName) {
        const char16_t u = c.unicode();
        if ((u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9'))
            path += c;
        else
            path += QStringLiteral("_%1").arg(static_cast<uint>(u & 0xFF), 2, 16, QLatin1Char('0'));
    }
    return path;
}

tvk::Result<void> UDisksVolumeLabeller::setLabel(const UsbDisk &volume, const QString &label)
{
    const QString device = volume.deviceFilePath();
    if (!isSafeDeviceName(device))
        return tvk::Failure{QT_TRID_NOOP("msg.format.bad_name"), device};
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return tvk::Failure{QT_TRID_NOOP("msg.label_fail"), device, bus.lastError().message()};
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.UDisks2"), objectPathFor(device),
        QStringLiteral("org.freedesktop.UDisks2.Filesystem"), QStringLiteral("SetLabel"));
    call << label << QVariantMap{{QStringLiteral("auth.no_user_interaction"), QVariant(true)}};
    const QDBusMessage reply = bus.call(call, QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return tvk::Failure{QT_TRID_NOOP("msg.label_fail"), device, reply.errorMessage()};
    return {};
}
