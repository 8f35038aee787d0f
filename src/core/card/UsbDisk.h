#pragma once

#include <QString>
#include <QUrl>

// One mounted USB volume as the card functions see it. A value: a list of entities goes stale
// when volumes come and go and is rebuilt by asking again.
class UsbDisk
{
public:
    UsbDisk(const QString &volumeName, const QUrl &mountedURL, const QString &deviceFilePath,
            const QString &deviceModel, quint64 volumeSize, bool writable, bool mediaWhole,
            const QString &key);

    const QString &volumeName() const { return m_volumeName; }
    const QUrl &mountedURL() const { return m_mountedURL; }
    // The mount point's path: the card's root folder.
    QString mountPath() const { return m_mountedURL.toLocalFile(); }
    // Device name without "/dev/", e.g. sdb1.
    const QString &deviceFilePath() const { return m_deviceFilePath; }
    // The reader's model; a null string when the device names none.
    const QString &deviceModel() const { return m_deviceModel; }
    quint64 volumeSize() const { return m_volumeSize; }
    bool writable() const { return m_writable; }
    // A whole disk rather than a partition.
    bool mediaWhole() const { return m_mediaWhole; }
    // The device node's path, e.g. /dev/sdb1.
    const QString &key() const { return m_key; }

    // "[7.4 GB] TAVIK <Card Reader>"; without a model the text ends with the label and a space.
    QString displayString() const;

    bool operator==(const UsbDisk &other) const = default;

private:
    QString m_volumeName;
    QUrl m_mountedURL;
    QString m_deviceFilePath;
    QString m_deviceModel;
    quint64 m_volumeSize;
    bool m_writable;
    bool m_mediaWhole;
    QString m_key;
};

// The label that marks the camera's card.
inline constexpr char kCameraVolumeName[] = "TAVIK";
