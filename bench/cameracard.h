#pragma once
// Cards in the shapes a camera gives them, for the benchmarks of the catalogue: empty files,
// since only names are read.
//   one folder: the recordings in DCIM/100ALWAY, as many other files in DCIM/OTHER
//   dated folders: DCIM/{ALWA,EVENT,MOTION}/YYYYMM/YYYYMMDD/, each leaf with `perFolder`
//   recordings of its mode, front and rear alternating, and `perFolder` other files beside them:
//   thumbnails, GPS side files, notes and recordings with a bad side letter.

#include <QDate>
#include <QDir>
#include <QFile>
#include <QString>

// Both return how many *.avi files they wrote (what `find -name '*.avi'` lists), -1 on failure.
inline int writeOneFolderCard(const QString &root, int recordings)
{
    if (!QDir().mkpath(root + QStringLiteral("/DCIM/100ALWAY")) ||
        !QDir().mkpath(root + QStringLiteral("/DCIM/OTHER")))
        return -1;
    QDateTime at(QDate(2026, 1, 1), QTime(8, 0), Qt::UTC);
    for (int i = 0; i < recordings; ++i) {
        const QString stamp = at.toString(QStringLiteral("yyyyMMdd_HHmmss"));
        const QString side = i % 2 ? QStringLiteral("R") : QStringLiteral("F");
        QFile avi(root + QStringLiteral("/DCIM/100ALWAY/alwa_%1_%2.avi").arg(stamp, side));
        QFile other(root + QStringLiteral("/DCIM/OTHER/note_%1_%2.txt").arg(stamp, side));
        if (!avi.open(QIODevice::WriteOnly) || !other.open(QIODevice::WriteOnly))
            return -1;
        if (i % 2)
            at = at.addSecs(60);
    }
    return recordings;
}

inline int writeDatedFoldersCard(const QString &root, int leaves, int perFolder)
{
    static const char *const modes[][2] = {
        {"ALWA", "alwa"}, {"EVENT", "event"}, {"MOTION", "motion"}};
    int avis = 0;
    for (int leaf = 0; leaf < leaves; ++leaf) {
        const auto &mode = modes[leaf % 3];
        const QDate day = QDate(2026, 1, 1).addDays(leaf / 3);
        const QString folder =
            QStringLiteral("%1/DCIM/%2/%3/%4")
                .arg(root, QLatin1String(mode[0]), day.toString(QStringLiteral("yyyyMM")),
                     day.toString(QStringLiteral("yyyyMMdd")));
        if (!QDir().mkpath(folder))
            return -1;
        const QDateTime morning(day, QTime(8, 0), Qt::UTC);
        auto stem = [&](int minute) {
            return QStringLiteral("%1/%2_%3")
                .arg(folder, QLatin1String(mode[1]),
                     morning.addSecs(60 * minute).toString(QStringLiteral("yyyyMMdd_HHmmss")));
        };
        QStringList names;
        for (int i = 0; i < perFolder; ++i)
            names << stem(i / 2) + (i % 2 ? QStringLiteral("_R.avi") : QStringLiteral("_F.avi"));
        for (int i = 0; i < perFolder; ++i) {
            switch (i % 4) {
            case 0:
                names << stem(i / 4) + QStringLiteral("_F.jpg");
                break;
            case 1:
                names << stem(i / 4) + QStringLiteral("_F.gps");
                break;
            case 2:
                names << QStringLiteral("%1/note_%2.txt").arg(folder).arg(i);
                break;
            default:
                names << stem(i / 4) + QStringLiteral("_X.avi");
            }
        }
        for (const QString &name : std::as_const(names)) {
            QFile file(name);
            if (!file.open(QIODevice::WriteOnly))
                return -1;
            avis += name.endsWith(QLatin1String(".avi"));
        }
    }
    return avis;
}
