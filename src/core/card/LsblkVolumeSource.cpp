#include "LsblkVolumeSource.h"

#include "common/log.h"
#include "lsblkparser.h"

#include <QProcess>

QByteArray LsblkVolumeSource::lsblkJson()
{
    QProcess lsblk;
    lsblk.setProcessChannelMode(QProcess::SeparateChannels);
    lsblk.start(QStringLiteral("lsblk"), {QStringLiteral("--json"), QStringLiteral("--bytes"),
                                          QStringLiteral("-o"), lsblkColumns()});
    if (!lsblk.waitForFinished(30000) || lsblk.exitStatus() != QProcess::NormalExit ||
        lsblk.exitCode() != 0) {
        tvk::log(QStringLiteral("lsblk: %1 %2")
                     .arg(lsblk.errorString(),
                          QString::fromLocal8Bit(lsblk.readAllStandardError()).simplified()));
        lsblk.kill();
        lsblk.waitForFinished(1000);
        return {};
    }
    return lsblk.readAllStandardOutput();
}
