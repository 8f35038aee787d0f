// The speed readout against the speed the camera burnt into the picture, at every second of
// every recording of the sample card written by the real `tavik-tool demo-card`: early,
// in the middle and late in each second, as a user pauses anywhere.
#include "core/player/TelemetryReadout.h"
#include "core/telemetry/BlackBoxData.h"
#include "core/testsupport.h"
#include "writers/democard/DemoCard.h"

#include <QFile>

#include <cmath>

namespace {

constexpr int kSeconds = 6;
constexpr quint64 kSeed = 1;

} // namespace

class TestSampleCardReadout : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    DemoCard m_model{{kSeconds, kSeed}};

    // What the picture shows in second `second` of recording `r`.
    QString burntSpeed(const DemoCard::Recording &r, int second) const
    {
        const double speed = m_model.drive().at(double(r.slot * kSeconds + second)).speed;
        return QStringLiteral("%1 Km/h").arg(std::lround(speed * 3.6));
    }

private slots:
    void initTestCase()
    {
        const ProcessRun run =
            runTool({"demo-card", m_dir.filePath("card"), "--seconds", QString::number(kSeconds),
                     "--seed", QString::number(kSeed)});
        QVERIFY2(run.status == 0, run.err.constData());
    }

    void speedOfTheSecondOnScreen_data()
    {
        QTest::addColumn<int>("recording");
        const QList<DemoCard::Recording> &recordings = m_model.recordings();
        // The player reads the front recording's telemetry; the tool, the index and the clip
        // export read a rear recording's own, which the silent rear camera writes as well.
        for (int i = 0; i < recordings.size(); ++i) {
            if (m_model.hasGps(recordings[i]))
                QTest::newRow(qPrintable(recordings[i].path)) << i;
        }
    }

    void speedOfTheSecondOnScreen()
    {
        QFETCH(int, recording);
        const DemoCard::Recording &r = m_model.recordings().at(recording);
        QFile file(QDir(m_dir.filePath("card")).filePath(r.path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const tvk::Result<RecordedTelemetryPtr> telemetry = BlackBoxData::extract(file);
        QVERIFY(telemetry && *telemetry && !(*telemetry)->m_GpsRecords.isEmpty());
        QStringList wrong;
        for (int second = 0; second < kSeconds; ++second) {
            for (const double within : {0.05, 0.5, 0.95}) {
                const double position = (second + within) / kSeconds;
                const readout::GpsReadout shown =
                    readout::HemisphereMemory().gpsReadout(**telemetry, position);
                const QString expected = burntSpeed(r, second);
                if (shown.speed.value_or(QString()) != expected)
                    wrong << QStringLiteral("%1 s: %2, picture %3")
                                 .arg(second + within)
                                 .arg(shown.speed.value_or("none"), expected);
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }

    // Without a change of speed from one second to the next the comparison proves nothing.
    void theDriveChangesSpeed()
    {
        QSet<QString> speeds;
        for (const DemoCard::Recording &r : m_model.recordings()) {
            for (int second = 0; second < kSeconds && m_model.hasGps(r); ++second)
                speeds << burntSpeed(r, second);
        }
        QVERIFY(speeds.size() > kSeconds);
    }
};

QTEST_GUILESS_MAIN(TestSampleCardReadout)
#include "test_samplecardreadout.moc"
