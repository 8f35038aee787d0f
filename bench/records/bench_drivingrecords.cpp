// Reading and exporting large driving-record files: a camera that logs every second fills
// 86400 records a day. Times the read, the cell texts of every row and the CSV export (best of
// three); the goals hold for a day of records: each step under a second, so that opening or
// exporting a day never leaves the user waiting long.
//   bench_drivingrecords [RECORDS...]
#include "benchgoal.h"
#include "core/records/drivingrecordfile.h"
#include "core/records/drivingrecordtable.h"
#include "writers/cardfiles/drivingrecordwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

template <class F> double bestOf(int runs, F &&work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return *std::min_element(times.begin(), times.end());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bench::Goals goals("bench_drivingrecords");
    constexpr int kDay = 86400;
    QList<int> counts{1000, kDay, 1000000};
    if (bench::shortMode())
        counts = {1000};
    if (argc > 1) {
        counts.clear();
        for (const QString &arg : QCoreApplication::arguments().mid(1))
            counts.append(arg.toInt());
    }
    QTemporaryDir dir;
    const QStringList titles = drivingRecordColumnTitles();
    std::printf("%10s %12s %12s %12s %12s\n", "records", "file MB", "read ms", "cells ms",
                "export ms");
    for (const int count : counts) {
        const QString path = dir.filePath(QStringLiteral("tavik_000.drv"));
        const QString csv = dir.filePath(QStringLiteral("tavik_000.csv"));
        if (!writeDrivingRecordFile(path, sampleDrivingRecords(count)))
            return goals.failed("cannot write the driving-record file");
        DrivingRecordFile file;
        bool readAll = true;
        const double read = bestOf(bench::runs(3), [&] {
            auto result = readDrivingRecordFile(path);
            readAll = readAll && result;
            if (result)
                file = std::move(result).value();
        });
        if (!readAll || file.records.size() != count)
            return goals.failed("the file did not read back whole");
        qsizetype characters = 0;
        const double cells = bestOf(bench::runs(3), [&] {
            characters = 0;
            for (qsizetype row = 0; row < file.records.size(); ++row) {
                for (int column = 0; column < kDrivingRecordColumnCount; ++column)
                    characters += drivingRecordCellText(file.records.at(row), row, column).size();
            }
        });
        bool exportedAll = true;
        const double exported = bestOf(bench::runs(3), [&] {
            exportedAll = exportedAll && writeDrivingRecordCsv(csv, file.records, titles);
        });
        if (!exportedAll || QFileInfo(csv).size() < count)
            return goals.failed("the export failed");
        std::printf("%10d %12.1f %12.1f %12.1f %12.1f\n", count, (12.0 + 40.0 * count) / 1048576.0,
                    read, cells, exported);
        if (count == kDay) {
            goals.atMost("read a day of records", read, 1000, "ms");
            goals.atMost("cell texts of a day of records", cells, 1000, "ms");
            goals.atMost("CSV export of a day of records", exported, 1000, "ms");
        }
    }
    return goals.finish();
}
