// DrvInfo/tavik_000.drv from outside bytes: the reader must never promise more records than
// the bytes hold, and every record must render as table cells and export text.
#include "core/records/drivingrecordfile.h"
#include "core/records/drivingrecordtable.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const tvk::Result<DrivingRecordFile> parsed = parseDrivingRecords(bytes);
    if (!parsed)
        return 0;
    const DrivingRecordFile &file = *parsed;
    const qsizetype room =
        std::max<qsizetype>(0, bytes.size() - kDrivingRecordHeaderSize) / DrivingRecordImage::kSize;
    if (file.records.size() > room || file.records.size() > qsizetype(file.recordCount))
        std::abort();
    // Rows are alike to the code that renders them: the first few and the last show all it
    // does. Rendering every row cost a few thousand strings an input, each allocation
    // recording its stack under ASan, and held the harness near a thousand runs a second.
    QList<DrivingRecordImage> sample;
    QList<qsizetype> rows;
    for (qsizetype row = 0; row < file.records.size(); ++row) {
        if (row < 3 || row == file.records.size() - 1) {
            sample.append(file.records.at(row));
            rows.append(row);
        }
    }
    for (qsizetype i = 0; i < sample.size(); ++i) {
        for (int column = 0; column <= kDrivingRecordColumnCount; ++column) {
            if (drivingRecordCellText(sample.at(i), rows.at(i), column).isEmpty())
                std::abort();
        }
        (void)drivingRecordPosition(sample.at(i));
    }
    const QByteArray csv = drivingRecordCsv(sample, drivingRecordColumnTitles());
    if (csv.count('\n') != sample.size() + 1)
        std::abort();
    return 0;
}
