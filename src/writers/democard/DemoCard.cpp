#include "writers/democard/DemoCard.h"

#include "core/settings/SettingsRecord.h"
#include "core/settings/TimeZones.h"

#include <QTimeZone>

namespace {

// One Saturday morning; the camera keeps Korean time.
const QDate kDay(2026, 10, 17);
const QTime kFirstRecording(8, 30, 0);
constexpr int kSeoulOffset = 9 * 3600;

struct SlotPlan
{
    int division;
    bool front;
    bool rear;
};

// Slots 0-2 continuous pairs, 3 the event, 4 rear only, 5 front only, 6 parked (motion).
constexpr SlotPlan kSlots[DemoDrive::kSlots] = {
    {0, true, true},  {0, true, true},  {0, true, true}, {2, true, true},
    {0, false, true}, {0, true, false}, {1, true, true},
};

QString folderOf(int division)
{
    switch (division) {
    case 1:
        return QStringLiteral("DCIM/300MOTIO");
    case 2:
        return QStringLiteral("DCIM/200EVENT");
    default:
        return QStringLiteral("DCIM/100ALWAY");
    }
}

QString prefixOf(int division)
{
    switch (division) {
    case 1:
        return QStringLiteral("motion_");
    case 2:
        return QStringLiteral("event_");
    default:
        return QStringLiteral("alwa_");
    }
}

} // namespace

DemoCard::DemoCard(const Options &options) : m_options(options)
{
    m_route = std::make_unique<DemoRoute>();
    m_drive = std::make_unique<DemoDrive>(*m_route, double(options.slotSeconds), options.seed);
    m_telemetry = std::make_unique<DemoTelemetry>(*m_drive, start(), options.seed);
    m_traffic = std::make_unique<DemoTraffic>(*m_drive, options.seed);
    m_street = std::make_unique<DemoStreet>(*m_drive, options.seed);
    for (int slot = 0; slot < DemoDrive::kSlots; ++slot) {
        const SlotPlan &plan = kSlots[slot];
        const QDateTime at = start().addSecs(qint64(slot) * options.slotSeconds);
        const QString stem = folderOf(plan.division) + u'/' + prefixOf(plan.division) +
                             at.toString(QStringLiteral("yyyyMMdd_HHmmss"));
        if (plan.front)
            m_recordings.append({stem + QStringLiteral("_F.avi"), slot, false, plan.division, at});
        if (plan.rear)
            m_recordings.append({stem + QStringLiteral("_R.avi"), slot, true, plan.division, at});
    }
}

DemoCard::~DemoCard() = default;

QDateTime DemoCard::start() const
{
    return QDateTime(kDay, kFirstRecording, QTimeZone(kSeoulOffset));
}

QStringList DemoCard::decoys() const
{
    // The camera's still of the event, its own log, a recording cut short before the camera
    // named its side, a name missing a digit, and a copy converted on a computer.
    auto stem = [this](int slot, bool rear) {
        for (const Recording &r : m_recordings) {
            if (r.slot == slot && r.rear == rear)
                return r.path.chopped(6); // without "_F.avi"
        }
        return QString();
    };
    QString shortName = stem(1, false);
    shortName.remove(shortName.lastIndexOf(u'_') - 1, 1);
    return {
        stem(3, false) + QStringLiteral("_F.jpg"), QStringLiteral("DCIM/eventlog.txt"),
        stem(0, false) + QStringLiteral("_X.avi"), shortName + QStringLiteral("_F.avi"),
        stem(2, false) + QStringLiteral("_F.mp4"),
    };
}

SettingsRecord DemoCard::settings() const
{
    SettingsRecord record = factoryDefaultRecord();
    // Not this computer's preference: a card fresh from the camera.
    record.external_rear_camera = 0;
    for (std::size_t i = 0; i < timeZoneCodeTable.size(); ++i) {
        if (timeZoneCodeTable[i].code == kSeoulOffset / 36)
            record.time_gmt = static_cast<qint32>(i);
    }
    applySaveStep(record);
    return record;
}

bool DemoCard::hasGps(const Recording &recording) const
{
    return recording.slot != DemoDrive::kParkedSlot || settings().NightTime != 0;
}

int DemoCard::drivingRecordInterval() const
{
    static constexpr int kIntervals[] = {0, 1, 3, 5, 10, 15, 30, 60};
    const quint32 index = settings().SaveDuration;
    return index < 8 ? kIntervals[index] : 0;
}
