#include "tool/outputfile.h"

#include "tool/command.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString writeOutputFile(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    if (path == QLatin1String("-")) {
        toolOut().flush();
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || !write(out) || !out.flush())
            return QStringLiteral("standard output: %1").arg(out.errorString());
        return {};
    }
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return QStringLiteral("%1: not a regular file; not replaced").arg(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    if (!write(file)) {
        file.cancelWriting();
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    }
    if (!file.commit())
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    return {};
}
