#pragma once

#include "core/catalogue/MediaFile.h"
#include "core/clock/clockcheck.h"
#include "core/telemetry/RecordedTelemetry.h"

#include <QFutureWatcher>
#include <QObject>

#include <optional>

class QLabel;

// A line under the route map: how far the camera's clock is off against the GPS time, for the
// playing recording and as the card's median. The card's offsets are read off the interface
// thread once per catalogue; a recording without a valid fix says so instead of guessing.
class ClockReadout : public QObject
{
    Q_OBJECT
public:
    explicit ClockReadout(QLabel *label, QObject *parent = nullptr);

    // A new catalogue under `folder` (the card or a folder of it).
    void catalogueChanged(const QString &folder, const QList<MediaFile> &medias);
    // A recording starts with this telemetry.
    void recordingStarted(const MediaFile &media, const RecordedTelemetryPtr &telemetry);

    const std::optional<ClockReport> &cardReport() const { return m_card; }
    // The card's median is off by more than the tolerance.
    bool wantsSetting() const;

    // The line's text; `recording` holds the recording's reading when one plays.
    static QString lineText(const std::optional<ClockReading> &recording,
                            const std::optional<ClockReport> &card);

signals:
    void cardReportPublished();

private:
    void show();

    QLabel *m_label;
    std::optional<ClockReport> m_card;
    std::optional<ClockReading> m_recording;
    std::optional<double> m_recordingRaw;
    QFutureWatcher<ClockReport> *m_watcher = nullptr;
};
