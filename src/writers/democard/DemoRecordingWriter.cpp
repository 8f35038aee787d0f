#include "writers/democard/DemoRecordingWriter.h"

#include "writers/avi/AviWriter.h"
#include "writers/democard/DemoAudio.h"
#include "writers/democard/DemoFrameRenderer.h"

DemoRecordingWriter::DemoRecordingWriter(const DemoCard &card, const DemoOsd &frontOsd,
                                         const DemoOsd &rearOsd)
    : m_card(card), m_frontOsd(frontOsd), m_rearOsd(rearOsd)
{}

tvk::Result<void> DemoRecordingWriter::write(const DemoCard::Recording &recording,
                                             const QString &path) const
{
    const int seconds = m_card.options().slotSeconds;
    const double from = double(recording.slot) * seconds;
    const QSize size = recording.rear ? DemoCard::kRearSize : DemoCard::kFrontSize;
    AviWriter::Format format;
    format.width = static_cast<quint32>(size.width());
    format.height = static_cast<quint32>(size.height());
    format.frameRate = DemoCard::kFrameRate;
    format.audio = !recording.rear;
    format.sampleRate = DemoAudio::kSampleRate;
    format.channels = 1;
    AviWriter writer(format);
    if (auto opened = writer.open(path); !opened)
        return opened;

    DemoFrameRenderer renderer(recording.rear ? DemoFrameRenderer::Rear : DemoFrameRenderer::Front,
                               size, m_card.street(), m_card.traffic(),
                               recording.rear ? m_rearOsd : m_frontOsd, m_card.start(),
                               m_card.options().seed);
    DemoAudio audio(m_card.drive(), m_card.traffic(), from, m_card.options().seed);
    const DemoTelemetry &telemetry = m_card.telemetry();
    const bool gps = m_card.hasGps(recording);
    constexpr int kAudioChunks = 10; // a tenth of a second each
    for (int second = 0; second < seconds; ++second) {
        const auto ms = static_cast<quint32>(second * 1000);
        const int driveSecond = recording.slot * seconds + second;
        if (gps)
            writer.addGps(ms, telemetry.gpsRecord(driveSecond));
        for (int k = 0; k < DemoCard::kGSensorRate; ++k) {
            writer.addGSensor(ms + quint32(k * 1000 / DemoCard::kGSensorRate),
                              telemetry.gSensorRecord(driveSecond * DemoCard::kGSensorRate + k));
        }
        if (format.audio) {
            for (int k = 0; k < kAudioChunks; ++k)
                writer.addAudio(ms + quint32(k * 1000 / kAudioChunks),
                                audio.next(DemoAudio::kSampleRate / kAudioChunks));
        }
        for (int f = 0; f < DemoCard::kFrameRate; ++f) {
            const int frame = second * DemoCard::kFrameRate + f;
            const QImage &image = renderer.render(from + double(frame) / DemoCard::kFrameRate);
            writer.addVideoFrame(static_cast<quint32>(frame * 1000 / DemoCard::kFrameRate),
                                 DemoFrameRenderer::jpeg(image, DemoCard::kJpegQuality));
        }
        if (auto written = writer.flush(ms + 1000); !written)
            return written;
    }
    return writer.finish();
}
