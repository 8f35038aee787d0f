#include "configbackup.h"

#include "replacefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace {

bool readWhole(const QString &path, QByteArray *bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

ConfigBackup backupConfigFile(const QString &mountPath, const QString &root)
{
    ConfigBackup backup;
    if (mountPath.isEmpty())
        return backup;
    const QString source = QDir(mountPath).filePath(QStringLiteral("config.bin"));
    if (!QFileInfo::exists(source))
        return backup;

    const QString folder =
        QDir(root).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper());
    if (!QDir().mkpath(folder)) {
        backup.error = QStringLiteral("%1: cannot create the folder").arg(folder);
        return backup;
    }
    const QString copy = QDir(folder).filePath(QStringLiteral("config.bin"));
    QFile::remove(copy);
    QByteArray original;
    if (!readWhole(source, &original, &backup.error))
        return backup;
    if (const QString error = copyConfigFile(source, copy); !error.isEmpty()) {
        backup.error = error;
        return backup;
    }
    QByteArray copied;
    if (!readWhole(copy, &copied, &backup.error))
        return backup;
    if (copied != original) {
        backup.error = QStringLiteral("%1: the copy differs from %2").arg(copy, source);
        return backup;
    }
    backup.path = copy;
    return backup;
}

QString copyConfigFile(const QString &from, const QString &to)
{
    QByteArray bytes;
    QString error;
    if (!readWhole(from, &bytes, &error))
        return error;
    if (!replaceFileContents(to, bytes, &error))
        return QStringLiteral("%1: %2").arg(to, error);
    return {};
}
