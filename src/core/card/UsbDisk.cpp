#include "core/card/UsbDisk.h"

#include "core/card/ByteCount.h"

UsbDisk::UsbDisk(const QString &volumeName, const QUrl &mountedURL, const QString &deviceFilePath,
                 const QString &deviceModel, quint64 volumeSize, bool writable, bool mediaWhole,
                 const QString &key)
    : m_volumeName(volumeName), m_mountedURL(mountedURL), m_deviceFilePath(deviceFilePath),
      m_deviceModel(deviceModel), m_volumeSize(volumeSize), m_writable(writable),
      m_mediaWhole(mediaWhole), m_key(key)
{}

QString UsbDisk::displayString() const
{
    const bool hasModel = !m_deviceModel.isNull();
    return QStringLiteral("[%1] %2 %3%4%5")
        .arg(byteCountString(m_volumeSize), m_volumeName,
             hasModel ? QStringLiteral("<") : QString(), hasModel ? m_deviceModel : QString(),
             hasModel ? QStringLiteral(">") : QString());
}
