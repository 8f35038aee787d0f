// The two readers of outside bytes behind trips and the clock check: a recording's AVI main
// header (its length) and the RMC sentences of GPS records (the first valid fix). The first
// 52 bytes of the input are the file's start; the rest is NMEA text cut into GPS records.
#include "core/clock/clockcheck.h"
#include "core/telemetry/recordinglength.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const std::optional<qint64> length = aviHeaderLengthMs(file);
    if (length && *length <= 0)
        std::abort();

    RecordedTelemetry telemetry;
    const QByteArray text = bytes.mid(52);
    for (qsizetype at = 0; at < text.size(); at += AviGpsRecord::kRawDataSize) {
        const QByteArray piece = text.mid(at, AviGpsRecord::kRawDataSize);
        AviGpsRecord record;
        record.nTimestamp = quint32(at);
        // nLen may claim more than RawData holds, as in a damaged record.
        record.nLen = quint32(piece.size()) + (piece.isEmpty() ? 0 : quint8(piece[0]));
        std::memcpy(record.RawData, piece.constData(), size_t(piece.size()));
        telemetry.m_GpsRecords.append(AviGpsData(record));
    }
    const std::optional<FirstValidFix> fix = firstValidFix(telemetry);
    if (fix && (!fix->utc.isValid() || fix->recordMs < 0))
        std::abort();
    return 0;
}
