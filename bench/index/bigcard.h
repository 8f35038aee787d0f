// A card for the index benchmark, full at 15,000 one-minute recordings (front and rear pairs)
// in drives of 50 with a stop between them, every one with a fix each second.
#pragma once

#include "writers/cardfiles/agedfolders.h"
#include "writers/cardfiles/plannedrecording.h"

#include <QDirIterator>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

inline constexpr int kBigCardRecordings = 15000;
inline constexpr int kBigCardPerDrive = 50;

inline QString writeBigCard(const QString &root, int recordings,
                            const std::function<void(int)> &progress)
{
    QDateTime at(QDate(2026, 9, 1), QTime(6, 0), Qt::UTC);
    for (int i = 0; i < recordings / 2; ++i) {
        if (i && i % kBigCardPerDrive == 0)
            at = at.addSecs(3600);
        for (const char *side : {"F", "R"}) {
            PlannedRecording plan;
            plan.path =
                QStringLiteral("%1/DCIM/100ALWAY/alwa_%2_%3.avi")
                    .arg(root, at.toString(QStringLiteral("yyyyMMdd_HHmmss")), QLatin1String(side));
            plan.seconds = 60;
            plan.utcStart = at.addSecs(-9 * 3600);
            // Drives criss-cross a city block of 20 km: each starts elsewhere.
            plan.latitude = 37.45 + (i / kBigCardPerDrive % 20) * 0.009;
            plan.longitude = 126.85 + (i % kBigCardPerDrive) * 0.0068;
            plan.cameraClockMs = quint32(i % kBigCardPerDrive) * 60000;
            if (const auto written = writePlannedRecording(plan); !written)
                return written.failure().text();
        }
        at = at.addSecs(60);
        if (progress && i % 500 == 0)
            progress(i * 2);
    }
    return {};
}

// Drops the card's files from the page cache; false when the kernel would not.
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
