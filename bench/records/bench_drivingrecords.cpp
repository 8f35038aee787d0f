// Reading and exporting large driving-record files: a camera that logs every second fills
// 86400 records a day. Times the read, the cell texts of every row and the CSV export.
//   bench_drivingrecords [RECORDS...]
#include "core/records/drivingrecordfile.h"
#include "core/records/drivingrecordtable.h"
#include "writers/cardfiles/drivingrecordwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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
    QList<int> counts{1000, 86400, 1000000};
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
            return 1;
        DrivingRecordFile file;
        const double read = bestOf(3, [&] { file = readDrivingRecordFile(path).value(); });
        if (file.records.size() != count)
            return 1;
        qsizetype characters = 0;
        const double cells = bestOf(3, [&] {
            characters = 0;
            for (qsizetype row = 0; row < file.records.size(); ++row) {
                for (int column = 0; column < kDrivingRecordColumnCount; ++column)
                    characters += drivingRecordCellText(file.records.at(row), row, column).size();
            }
        });
        const double exported = bestOf(3, [&] {
            if (writeDrivingRecordCsv(csv, file.records, titles))
                std::abort();
        });
        std::printf("%10d %12.1f %12.1f %12.1f %12.1f\n", count, (12.0 + 40.0 * count) / 1048576.0,
                    read, cells, exported);
    }
    return 0;
}
