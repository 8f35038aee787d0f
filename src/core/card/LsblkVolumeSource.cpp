#include "core/card/LsblkVolumeSource.h"

#include "core/card/LsblkParser.h"
#include "core/common/log.h"

#include <QProcess>

tvk::Result<QByteArray> LsblkVolumeSource::lsblkJson()
{
    QProcess lsblk;
    lsblk.setProcessChannelMode(QProcess::SeparateChannels);
    lsblk.start(QStringLiteral("lsblk"), {QStringLiteral("--json"), QStringLiteral("--bytes"),
                                          QStringLiteral("-o"), lsblkColumns()});
    if (!lsblk.waitForFinished(30000) || lsblk.exitStatus() != QProcess::NormalExit ||
        lsblk.exitCode() != 0) {
        const QString reason = QStringLiteral("%1 %2").arg(
            lsblk.errorString(), QString::fromLocal8Bit(lsblk.readAllStandardError()).simplified());
        tvk::log(QStringLiteral("lsblk: %1").arg(reason));
        lsblk.kill();
        lsblk.waitForFinished(1000);
        return tvk::Failure{QT_TRID_NOOP("msg.no_device_list"), QStringLiteral("lsblk"), reason};
    }
    return lsblk.readAllStandardOutput();
}
