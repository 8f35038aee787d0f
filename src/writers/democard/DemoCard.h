#pragma once

#include "core/common/result.h"
#include "core/settings/FileData.h"
#include "writers/democard/DemoDrive.h"
#include "writers/democard/DemoRoute.h"
#include "writers/democard/DemoStreet.h"
#include "writers/democard/DemoTelemetry.h"
#include "writers/democard/DemoTraffic.h"

#include <QDateTime>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

// A memory card as the camera leaves it after one morning drive through central Seoul: three
// continuous front and rear pairs in a row, an event pair (a hard stop behind a braking car),
// a rear recording whose front partner is gone, a front one without its rear partner, a
// motion pair recorded once parked, config.bin, timeset.cfg, the driving-record log, and a
// few files that are not recordings. Everything follows from the options: the same seed and
// length give the same card, byte for byte.
class DemoCard
{
public:
    struct Options
    {
        int slotSeconds = 60; // length of each recording
        quint64 seed = 1;
    };

    struct Recording
    {
        QString path; // relative to the card's root
        int slot = 0; // which consecutive stretch of the drive
        bool rear = false;
        int division = 0; // 0 continuous, 1 motion, 2 event
        QDateTime start;  // camera's local time
    };

    static constexpr int kFrameRate = 30;
    static constexpr int kGSensorRate = 10;
    static constexpr int kJpegQuality = 70;
    static inline const QSize kFrontSize{960, 540};
    static inline const QSize kRearSize{640, 360};

    explicit DemoCard(const Options &options);
    ~DemoCard();

    // The recordings, in the order of their slots, front before rear.
    const QList<Recording> &recordings() const { return m_recordings; }
    // Files on the card that are not recordings by the catalogue's rules.
    QStringList decoys() const;

    // The settings record written as config.bin: factory defaults, the camera's time zone
    // (Seoul) and an external rear camera setting of 0, through the save step.
    SettingsRecord settings() const;
    // Whether a recording carries GPS records: always while driving; in parking mode only
    // when config.bin turns GPS on for parking.
    bool hasGps(const Recording &recording) const;
    // Seconds between driving records, from config.bin's saving interval (0: none).
    int drivingRecordInterval() const;

    // Writes the card into `folder`, which must be empty or absent. `progress` hears one line
    // per file written. Returns an error text, or an empty string on success.
    tvk::Result<void> write(const QString &folder,
                            const std::function<void(const QString &)> &progress) const;

    const Options &options() const { return m_options; }
    const DemoRoute &route() const { return *m_route; }
    const DemoDrive &drive() const { return *m_drive; }
    const DemoTelemetry &telemetry() const { return *m_telemetry; }
    const DemoTraffic &traffic() const { return *m_traffic; }
    const DemoStreet &street() const { return *m_street; }
    QDateTime start() const;

private:
    tvk::Result<void> writeCardFiles(const QString &folder) const;
    tvk::Result<void> writeDrivingRecords(const QString &path) const;
    tvk::Result<void> writeDecoys(const QString &folder) const;

    Options m_options;
    std::unique_ptr<DemoRoute> m_route;
    std::unique_ptr<DemoDrive> m_drive;
    std::unique_ptr<DemoTelemetry> m_telemetry;
    std::unique_ptr<DemoTraffic> m_traffic;
    std::unique_ptr<DemoStreet> m_street;
    QList<Recording> m_recordings;
};
