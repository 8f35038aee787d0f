#include "core/card/CardMount.h"

#include "core/catalogue/DirectoryWalk.h"
#include "core/settings/FileData.h"
#include "core/settings/SettingsFileSearch.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {

// Kernel interfaces, images and network shares. Listing a network share may wait on the
// network, and a camera's card is never one.
bool isVolumeType(const QString &fsType)
{
    static const QStringList others = {
        QStringLiteral("proc"),
        QStringLiteral("sysfs"),
        QStringLiteral("devtmpfs"),
        QStringLiteral("devpts"),
        QStringLiteral("cgroup"),
        QStringLiteral("cgroup2"),
        QStringLiteral("securityfs"),
        QStringLiteral("pstore"),
        QStringLiteral("bpf"),
        QStringLiteral("debugfs"),
        QStringLiteral("tracefs"),
        QStringLiteral("configfs"),
        QStringLiteral("fusectl"),
        QStringLiteral("hugetlbfs"),
        QStringLiteral("mqueue"),
        QStringLiteral("autofs"),
        QStringLiteral("binfmt_misc"),
        QStringLiteral("efivarfs"),
        QStringLiteral("rpc_pipefs"),
        QStringLiteral("nsfs"),
        QStringLiteral("selinuxfs"),
        QStringLiteral("squashfs"),
        QStringLiteral("overlay"),
        QStringLiteral("nfs"),
        QStringLiteral("nfs4"),
        QStringLiteral("cifs"),
        QStringLiteral("smb3"),
        QStringLiteral("fuse.sshfs"),
        QStringLiteral("fuse.gvfsd-fuse"),
        QStringLiteral("fuse.portal"),
    };
    return !others.contains(fsType);
}

bool liesOn(const QString &folder, const QString &mountPoint)
{
    if (folder.isEmpty())
        return false;
    const QString inside = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString root = QDir::cleanPath(mountPoint);
    return inside == root || root == QLatin1String("/") ||
           inside.startsWith(root + QLatin1Char('/'));
}

bool isRecordingName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".avi"), Qt::CaseInsensitive) &&
           createMediaByPath(fileName).has_value();
}

bool holdsRecordingIn(const QString &folder)
{
    QDirIterator files(folder, QDir::Files | QDir::Hidden);
    while (files.hasNext()) {
        if (isRecordingName(files.nextFileInfo().fileName()))
            return true;
    }
    return false;
}

// CARD/DCIM/100ALWAY/alwa_..._F.avi, with DCIM in whatever case the camera wrote it; the
// recordings' own folders are not walked further.
bool holdsRecordings(const QString &root)
{
    QDirIterator top(root, QDir::Dirs | QDir::NoDotAndDotDot);
    while (top.hasNext()) {
        const QFileInfo dcim = top.nextFileInfo();
        if (dcim.fileName().compare(QLatin1String("DCIM"), Qt::CaseInsensitive) != 0)
            continue;
        if (holdsRecordingIn(dcim.filePath()))
            return true;
        QDirIterator groups(dcim.filePath(), QDir::Dirs | QDir::NoDotAndDotDot);
        while (groups.hasNext()) {
            if (holdsRecordingIn(groups.next()))
                return true;
        }
    }
    return false;
}

bool holdsSettingsFile(const QString &root)
{
    const QFileInfo file(QDir(root).filePath(QLatin1String(kSettingFileName)));
    return file.isFile() && file.size() == SettingsRecord::kSize;
}

} // namespace

CardMount cardMount(const MountEntry &mount, const QString &openFolder)
{
    if (!isVolumeType(mount.fsType))
        return CardMount::NotAVolume;
    if (liesOn(openFolder, mount.mountPoint))
        return CardMount::AlreadyOpen;
    if (holdsRecordings(mount.mountPoint))
        return CardMount::Recordings;
    if (holdsSettingsFile(mount.mountPoint))
        return CardMount::SettingsFile;
    return CardMount::NotACard;
}
