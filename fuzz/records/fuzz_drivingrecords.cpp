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
    const qsizetype room = std::max<qsizetype>(0, bytes.size() - kDrivingRecordHeaderSize) /
                           _FLASH_SAVE_VALUE_STRUCT::kSize;
    if (file.records.size() > room || file.records.size() > qsizetype(file.recordCount))
        std::abort();
    for (qsizetype row = 0; row < file.records.size() && row < 64; ++row) {
        for (int column = 0; column <= kDrivingRecordColumnCount; ++column) {
            if (drivingRecordCellText(file.records.at(row), row, column).isEmpty())
                std::abort();
        }
        (void)drivingRecordPosition(file.records.at(row));
    }
    const QByteArray csv = drivingRecordCsv(file.records.mid(0, 64), drivingRecordColumnTitles());
    if (csv.count('\n') != std::min<qsizetype>(file.records.size(), 64) + 1)
        std::abort();
    return 0;
}
