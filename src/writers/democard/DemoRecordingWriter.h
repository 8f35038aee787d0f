#pragma once

#include "writers/democard/DemoCard.h"

class DemoOsd;

// Writes one recording of the sample card as the camera does: MJPEG frames at 30 per second,
// 16 kHz mono PCM on the front camera only, and the telemetry stream with a GPS record each
// second and ten G-sensor records a second.
class DemoRecordingWriter
{
public:
    DemoRecordingWriter(const DemoCard &card, const DemoOsd &frontOsd, const DemoOsd &rearOsd);

    // Returns an error text, or an empty string on success.
    tvk::Result<void> write(const DemoCard::Recording &recording, const QString &path) const;

private:
    const DemoCard &m_card;
    const DemoOsd &m_frontOsd;
    const DemoOsd &m_rearOsd;
};
