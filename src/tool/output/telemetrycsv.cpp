// The telemetry as CSV: a row per G-sensor sample with the GPS record that belongs to it.
// Several recordings share one table, the first column naming the file.
#include "core/telemetry/telemetrycsv.h"

#include "core/common/textescape.h"
#include "tool/output/telemetryformats.h"

#include <QIODevice>

namespace {

class CsvWriter : public TelemetryWriter
{
public:
    CsvWriter(QIODevice *out, bool many) : m_out(out), m_many(many) {}

    // The title line comes with the first readable recording: nothing is written without one.
    void recording(const QString &path, bool ok, const RecordedTelemetry &t) override
    {
        if (!ok)
            return;
        if (!m_begun) {
            m_begun = true;
            m_out->write(m_many ? "file," : "");
            m_out->write(kTelemetryCsvTitle);
            m_out->write("\n");
        }
        (void)writeTelemetryCsvRows(*m_out, t,
                                    m_many ? tvk::csvTextCell(path) + ',' : QByteArray());
    }

private:
    QIODevice *m_out;
    bool m_many;
    bool m_begun = false;
};

} // namespace

std::unique_ptr<TelemetryWriter> makeTelemetryCsvWriter(QIODevice *out, bool many)
{
    return std::make_unique<CsvWriter>(out, many);
}
