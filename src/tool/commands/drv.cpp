// tavik-tool drv FILE [--csv OUT]: the driving-record table of a tavik_000.drv file, or its
// export exactly as the application writes it.
#include "core/common/replacefile.h"
#include "core/records/drivingrecordfile.h"
#include "core/records/drivingrecordtable.h"
#include "tool/command.h"

#include <algorithm>

namespace {

const QCommandLineOption kCsv(QStringLiteral("csv"),
                              QStringLiteral("tool.help.drv_export_the_table"),
                              QStringLiteral("OUT"));

void printTable(const QList<DrivingRecordImage> &records, const QStringList &titles)
{
    QList<QStringList> rows{titles};
    for (qsizetype row = 0; row < records.size(); ++row) {
        QStringList cells;
        for (int column = 0; column < kDrivingRecordColumnCount; ++column)
            cells.append(drivingRecordCellText(records.at(row), row, column));
        rows.append(cells);
    }
    QList<qsizetype> widths(kDrivingRecordColumnCount, 0);
    for (const QStringList &cells : std::as_const(rows)) {
        for (int column = 0; column < kDrivingRecordColumnCount; ++column)
            widths[column] = std::max(widths[column], cells.value(column).size());
    }
    for (const QStringList &cells : std::as_const(rows)) {
        QStringList padded;
        for (int column = 0; column < kDrivingRecordColumnCount; ++column)
            padded.append(cells.value(column).rightJustified(widths[column]));
        toolOut() << padded.join(QLatin1String("  ")) << '\n';
    }
}

int runDrv(const QCommandLineParser &line)
{
    const QString input = line.positionalArguments().first();
    const QString csv = line.value(kCsv);
    if (!csv.isEmpty() && isSameFile(csv, input))
        return toolFailure(tvk::Failure{QT_TRID_NOOP("msg.same_file"), csv}.text());

    const tvk::Result<DrivingRecordFile> read = readDrivingRecordFile(input);
    if (!read)
        return toolFailure(read.failure().text());
    const DrivingRecordFile &file = *read;
    if (file.truncated())
        toolErr() << "tavik-tool: "
                  << tvk::Failure{QT_TRID_NOOP("tool.drv_truncated"),
                                  input,
                                  {},
                                  {QString::number(file.recordCount),
                                   QString::number(file.records.size())}}
                         .text()
                  << Qt::endl;

    const QStringList titles = drivingRecordColumnTitles();
    if (csv.isEmpty()) {
        printTable(file.records, titles);
        return 0;
    }
    // As in the application, an empty table exports nothing.
    if (file.records.isEmpty()) {
        toolErr() << "tavik-tool: " << tvk::Failure{QT_TRID_NOOP("tool.drv_nothing"), input}.text()
                  << Qt::endl;
        return 0;
    }
    if (const auto written = writeDrivingRecordCsv(csv, file.records, titles); !written)
        return toolFailure(written.failure().text());
    return 0;
}

const ToolCommandRegistration registration{{
    QStringLiteral("drv"),
    QStringLiteral("drv FILE [--csv OUT]"),
    QStringLiteral("tool.help.drv_shows_the_driving"),
    {kCsv},
    {{QStringLiteral("FILE"), QStringLiteral("tool.help.drv_the_driving_record")}},
    runDrv,
}};

} // namespace
