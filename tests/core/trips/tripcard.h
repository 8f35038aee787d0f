// Cards made to order: recordings planned by name, length and receiver time, and config.bin.
#pragma once

#include "core/settings/SettingsRecord.h"
#include "core/testsupport.h"
#include "writers/cardfiles/plannedrecording.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <unistd.h>

// "alwa_20261017_083000_F" → the time its name states, held as UTC.
inline QDateTime timeOfName(const QString &name)
{
    const QDateTime t =
        QDateTime::fromString(name.section(u'_', 1, 2), QStringLiteral("yyyyMMdd_HHmmss"));
    return QDateTime(t.date(), t.time(), Qt::UTC);
}

// Writes `<dir>/DCIM/<name>.avi`; its receiver starts at the name's time minus the zone and
// the clock error, so the camera's clock is `clockError` seconds ahead.
inline QString writeCardRecording(const QString &dir, const QString &name, int seconds,
                                  int zoneSeconds, double clockError, bool fix = true)
{
    PlannedRecording plan;
    plan.path = dir + "/DCIM/" + name + ".avi";
    plan.seconds = seconds;
    if (fix)
        plan.utcStart = timeOfName(name).addMSecs(-qint64(zoneSeconds) * 1000 -
                                                  qint64(std::llround(clockError * 1000)));
    return writePlannedRecording(plan) ? plan.path : QString();
}

inline bool writeCardSettings(const QString &dir, int timeGmt, bool summerTime)
{
    SettingsRecord record = factoryDefaultRecord();
    record.time_gmt = timeGmt;
    record.summer_time = summerTime ? 1 : 0;
    applySaveStep(record);
    return writeRecord(record, dir + "/config.bin").ok();
}

// tavik-tool run as a user the file modes bind: root reads every file, so under root the run
// is handed to "nobody", and `dir` is opened to it.
inline ProcessRun runToolUnprivileged(const QStringList &args, const QString &dir)
{
    if (::geteuid() != 0)
        return runTool(args);
    QFile::setPermissions(dir,
                          QFile::permissions(dir) | QFileDevice::ReadOther | QFileDevice::ExeOther);
    return runProgram(QStringLiteral("setpriv"),
                      QStringList{"--reuid=65534", "--regid=65534", "--clear-groups",
                                  qEnvironmentVariable("TAVIK_TOOL")} +
                          args);
}
