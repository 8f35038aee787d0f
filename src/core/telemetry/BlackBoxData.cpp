#include "core/telemetry/BlackBoxData.h"

#include "core/common/cformat.h"
#include "core/common/log.h"
#include "core/common/regularfile.h"
#include "core/telemetry/TelemetryBuilder.h"

#include <QFile>
#include <QMutexLocker>

BlackBoxData::BlackBoxData() : m_telemetry(RecordedTelemetry::empty()) {}

tvk::Result<void> BlackBoxData::ExtractStreamInformation(const char *path)
{
    tvk::log(QStringLiteral("#############################   START"));
    if (!path) {
        clear();
        return tvk::Failure{QT_TRID_NOOP("msg.not_a_recording")};
    }
    QFile file(QFile::decodeName(path));
    // Unbuffered: the extraction reads at scattered places and keeps its own buffers.
    if (const tvk::Result<void> opened = tvk::openRegularFile(file, QIODevice::Unbuffered);
        !opened) {
        clear();
        return opened.failure();
    }
    tvk::Result<Extraction> extraction = extractWithIndexPlace(file);
    file.close();
    if (!extraction) {
        clear();
        tvk::Failure failure = extraction.failure();
        failure.subject = QFile::decodeName(path);
        return failure;
    }
    if (const std::optional<IndexPlace> &place = extraction->indexPlace) {
        tvk::log(tvk::cformat("Listmovsize=0x%x IdxAddr=0x%llx", place->moviSize,
                              static_cast<unsigned long long>(place->indexAddress)));
    }
    publish(std::move(extraction->telemetry));
    tvk::log(QStringLiteral("#############################  FINISH"));
    return {};
}

RecordedTelemetryPtr BlackBoxData::snapshot() const
{
    QMutexLocker lock(&m_mutex);
    return m_telemetry;
}

void BlackBoxData::publish(RecordedTelemetryPtr telemetry)
{
    if (!telemetry)
        telemetry = RecordedTelemetry::empty();
    QMutexLocker lock(&m_mutex);
    // The previous telemetry is released outside the lock when this was its last reader.
    std::swap(m_telemetry, telemetry);
    lock.unlock();
}

bool BlackBoxData::ParseNMEA(char *buffer, qsizetype bufferSize)
{
    QMutexLocker lock(&m_mutex);
    TelemetryBuilder builder(*m_telemetry);
    const bool parsed = builder.ParseNMEA(buffer, bufferSize);
    m_telemetry = builder.snapshot();
    return parsed;
}

bool BlackBoxData::ParseGSensor(const AviGSensorRecord &record)
{
    QMutexLocker lock(&m_mutex);
    TelemetryBuilder builder(*m_telemetry);
    const bool parsed = builder.ParseGSensor(record);
    m_telemetry = builder.snapshot();
    return parsed;
}

NmeaSentenceParser BlackBoxData::parserAtLastFix() const
{
    NmeaSentenceParser parser;
    parser.m_Current = snapshot()->lastFix;
    return parser;
}
