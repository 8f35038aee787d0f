#include "app/trips/ClockReadout.h"

#include "core/common/cformat.h"
#include "core/common/strings.h"
#include "core/common/waitingjobs.h"
#include "core/index/indexreads.h"
#include "core/route/recordingtelemetry.h"
#include "core/settings/cardsettings.h"

#include <QLabel>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace {

// Each front recording's offset before the zone: from the card's index when it vouches for
// the card, else read one file at a time (a card's telemetry is never held whole).
ClockReport readCardReport(const QString &folder, const QList<MediaFile> &medias)
{
    QList<MediaFile> fronts;
    for (const MediaFile &m : medias) {
        if (m.isFrontMedia())
            fronts.append(m);
    }
    const QList<ClockReading> raw = rawClockReadings(fronts, vouchedFactsOf(folder));
    std::optional<int> zone;
    if (const std::optional<SettingsRecord> settings = cardSettingsAbove(folder))
        zone = cardZoneSeconds(*settings);
    return clockReport(raw, zone);
}

QString seconds(double value)
{
    return tvk::cformat("%+.1f s", value);
}

} // namespace

ClockReadout::ClockReadout(QLabel *label, QObject *parent) : QObject(parent), m_label(label) {}

void ClockReadout::catalogueChanged(const QString &folder, const QList<MediaFile> &medias)
{
    m_card.reset();
    m_recording.reset();
    m_recordingRaw.reset();
    // A reading under way for the catalogue before is dropped when it ends.
    auto *watcher = new QFutureWatcher<ClockReport>(this);
    m_watcher = watcher;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        watcher->deleteLater();
        if (watcher != m_watcher)
            return;
        m_watcher = nullptr;
        m_card = watcher->result();
        if (m_recording && m_recordingRaw)
            m_recording = clockReport({{m_recording->path, m_recordingRaw}}, m_card->zoneSeconds)
                              .recordings.first();
        show();
        emit cardReportPublished();
    });
    watcher->setFuture(QtConcurrent::run(tvk::waitingJobs(), readCardReport, folder, medias));
    show();
}

void ClockReadout::recordingStarted(const MediaFile &media, const RecordedTelemetryPtr &telemetry)
{
    m_recordingRaw = telemetry ? rawClockOffset(media, *telemetry) : std::nullopt;
    // Without the card's zone yet, the reading waits for it.
    m_recording = ClockReading{media.path(), std::nullopt};
    if (m_card)
        m_recording =
            clockReport({{media.path(), m_recordingRaw}}, m_card->zoneSeconds).recordings.first();
    show();
}

bool ClockReadout::wantsSetting() const
{
    return m_card && m_card->medianOffsetSeconds &&
           std::abs(*m_card->medianOffsetSeconds) > kClockToleranceSeconds;
}

QString ClockReadout::lineText(const std::optional<ClockReading> &recording,
                               const std::optional<ClockReport> &card)
{
    if (!card)
        return tvk::text("trips.clock_reading");
    QString text = tvk::text("trips.clock");
    if (recording) {
        text += recording->offsetSeconds
                    ? tvk::text("trips.clock_recording").arg(seconds(*recording->offsetSeconds))
                    : tvk::text("trips.clock_recording_nofix");
        text += QStringLiteral(" · ");
    }
    if (!card->medianOffsetSeconds)
        return text + tvk::text("trips.clock_card_nofix");
    const double median = *card->medianOffsetSeconds;
    text += tvk::text("trips.clock_card").arg(seconds(median));
    if (std::abs(median) > kClockToleranceSeconds)
        text += QStringLiteral(" · ") + tvk::text("trips.clock_set");
    return text;
}

void ClockReadout::show()
{
    m_label->setText(lineText(m_recording, m_card));
    m_label->setStyleSheet(wantsSetting() ? QStringLiteral("color: #f0b43c;") : QString());
}
