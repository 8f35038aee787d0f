// A day of driving for the benchmarks of trips: 1,000 one-minute recordings in trips of 100
// with a stop of ten minutes between them, an event recording now and then, and config.bin.
#pragma once

#include "core/settings/SettingsRecord.h"
#include "writers/cardfiles/plannedrecording.h"

#include <QDirIterator>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

inline constexpr int kRecordings = 1000;
inline constexpr int kPerTrip = 100; // then a stop of ten minutes
inline constexpr int kEventEvery = 37;

inline QString writeDayCard(const QString &root, int recordings = kRecordings)
{
    const QDateTime first(QDate(2026, 10, 17), QTime(6, 0), Qt::UTC);
    QDateTime at = first;
    for (int i = 0; i < recordings; ++i) {
        if (i && i % kPerTrip == 0)
            at = at.addSecs(600);
        PlannedRecording plan;
        // Now and then a bump starts an event recording instead.
        const bool event = i % kPerTrip % kEventEvery == kEventEvery - 1;
        plan.path = QStringLiteral("%1/DCIM/%2/%3_%4_F.avi")
                        .arg(root, event ? QStringLiteral("100EVENT") : QStringLiteral("100ALWAY"),
                             event ? QStringLiteral("event") : QStringLiteral("alwa"),
                             at.toString(QStringLiteral("yyyyMMdd_HHmmss")));
        plan.peakG = event ? 0.8 : 0;
        plan.seconds = 60;
        plan.utcStart = at.addSecs(-9 * 3600);
        plan.longitude = 126.978 + i * 0.0068; // 600 m a minute, due east
        plan.cameraClockMs = quint32(i) * 60000;
        if (const auto written = writePlannedRecording(plan); !written)
            return written.failure().text();
        at = at.addSecs(60);
    }
    SettingsRecord settings = factoryDefaultRecord();
    settings.time_gmt = 28;
    applySaveStep(settings);
    const tvk::Result<void> written = writeRecord(settings, root + QStringLiteral("/config.bin"));
    return written ? QString() : written.failure().text();
}

// Drops the card's files from the page cache, so that every run reads from the disk.
inline void evict(const QString &root)
{
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const int fd = ::open(QFile::encodeName(it.next()).constData(), O_RDONLY);
        if (fd >= 0) {
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
            ::close(fd);
        }
    }
}
