#include "core/card/ConfigBackup.h"

#include "core/common/regularfile.h"
#include "core/common/replacefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace {

tvk::Result<QByteArray> readWhole(const QString &path)
{
    QFile file(path);
    if (const tvk::Result<void> opened = tvk::openRegularFile(file); !opened)
        return opened.failure();
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return tvk::Failure{QT_TRID_NOOP("msg.file_read_fail"), path, file.errorString()};
    return bytes;
}

} // namespace

tvk::Result<QString> backupConfigFile(const QString &mountPath, const QString &root)
{
    if (mountPath.isEmpty())
        return QString();
    const QString source = QDir(mountPath).filePath(QStringLiteral("config.bin"));
    if (!QFileInfo::exists(source))
        return QString();

    const QString folder =
        QDir(root).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper());
    if (!QDir().mkpath(folder))
        return tvk::Failure{QT_TRID_NOOP("msg.folder_create_fail"), folder};
    const QString copy = QDir(folder).filePath(QStringLiteral("config.bin"));
    QFile::remove(copy);
    const tvk::Result<QByteArray> original = readWhole(source);
    if (!original)
        return original.failure();
    if (auto copied = copyConfigFile(source, copy); !copied)
        return copied.failure();
    const tvk::Result<QByteArray> copied = readWhole(copy);
    if (!copied)
        return copied.failure();
    if (*copied != *original)
        return tvk::Failure{QT_TRID_NOOP("msg.copy_differs"), copy, {}, {source}};
    return copy;
}

tvk::Result<void> copyConfigFile(const QString &from, const QString &to)
{
    const tvk::Result<QByteArray> bytes = readWhole(from);
    if (!bytes)
        return bytes.failure();
    return replaceFileContents(to, *bytes);
}
