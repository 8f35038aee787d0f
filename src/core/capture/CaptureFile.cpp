#include "core/capture/CaptureFile.h"

#include "core/common/standardfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

CaptureFile::CaptureFile() : m_dir(QDir::tempPath() + QStringLiteral("/tavik-XXXXXX"))
{
    // QTemporaryDir makes its folder with mode 0700; say so rather than rely on it.
    if (m_dir.isValid())
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ExeOwner);
}

QString CaptureFile::preparedPath(const QString &name) const
{
    if (!m_dir.isValid() || name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    const QString path = m_dir.filePath(name);
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return {};
    return path;
}

QByteArray captureFormatForPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return "png";
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return "jpeg";
    if (suffix == QLatin1String("bmp"))
        return "bmp";
    return {};
}

QString suggestedCapturePath()
{
    return QDir(existingFolderOrHome(QStandardPaths::DocumentsLocation))
        .filePath(QLatin1String(kCaptureSnapshotName));
}
