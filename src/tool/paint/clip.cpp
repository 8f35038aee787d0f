// tavik-tool clip FILE|DIR [--from T --to T] [options] OUT.mp4: an MP4 clip with the overlay.
#include "clip/ClipExport.h"
#include "core/clip/ClipRecordings.h"
#include "core/common/strings.h"
#include "render/ClipFramePainter.h"
#include "tool/command.h"
#include "tool/paint/picturecommands.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <csignal>
#include <unistd.h>

namespace {

const QCommandLineOption kFrom(QStringLiteral("from"),
                               QStringLiteral("tool.help.clip_start_on_the"), QStringLiteral("T"));
const QCommandLineOption kTo(QStringLiteral("to"), QStringLiteral("tool.help.clip_end_on_the"),
                             QStringLiteral("T"));
const QCommandLineOption kLayout(QStringLiteral("layout"),
                                 QStringLiteral("tool.help.clip_side_default_inset"),
                                 QStringLiteral("L"), QStringLiteral("side"));
const QCommandLineOption kCorner(QStringLiteral("corner"),
                                 QStringLiteral("tool.help.clip_corner_of_the"),
                                 QStringLiteral("C"), QStringLiteral("bottom-right"));
const QCommandLineOption kNoOverlay(QStringLiteral("no-overlay"),
                                    QStringLiteral("tool.help.clip_leave_the_telemetry"));
const QCommandLineOption kQuality(QStringLiteral("quality"),
                                  QStringLiteral("tool.help.clip_h_264_rate"), QStringLiteral("Q"),
                                  QStringLiteral("23"));
const QCommandLineOption kPreset(QStringLiteral("preset"),
                                 QStringLiteral("tool.help.clip_x264_speed_preset"),
                                 QStringLiteral("P"), QStringLiteral("veryfast"));
const QCommandLineOption kSound(QStringLiteral("sound"),
                                QStringLiteral("tool.help.clip_sound_of_the"),
                                QStringLiteral("CAMERA"), QStringLiteral("front"));

std::atomic<bool> g_cancel{false};

void stop(int)
{
    g_cancel = true;
}

// The options as the exporter takes them, or the problem with them.
tvk::Result<clip::ExportOptions> readOptions(const QCommandLineParser &line)
{
    clip::ExportOptions options;
    const auto layout = clip::layoutNamed(line.value(kLayout));
    const auto corner = clip::cornerNamed(line.value(kCorner));
    bool ok = false;
    options.quality = line.value(kQuality).toInt(&ok);
    const QString sound = line.value(kSound);
    if (!layout)
        return tvk::Failure{QT_TRID_NOOP("tool.clip_bad_layout"), {}, {}, {line.value(kLayout)}};
    if (!corner)
        return tvk::Failure{QT_TRID_NOOP("tool.clip_bad_corner"), {}, {}, {line.value(kCorner)}};
    if (!ok || options.quality < 0 || options.quality > 51)
        return tvk::Failure{QT_TRID_NOOP("tool.clip_bad_quality"), {}, {}, {line.value(kQuality)}};
    if (sound != u"front" && sound != u"rear")
        return tvk::Failure{QT_TRID_NOOP("tool.clip_bad_sound"), {}, {}, {sound}};
    options.layout = *layout;
    options.corner = *corner;
    options.soundFromRear = sound == u"rear";
    options.preset = line.value(kPreset);
    return options;
}

tvk::Result<clip::Plan> planOf(const QString &source, const QCommandLineParser &line)
{
    const bool folder = QFileInfo(source).isDir();
    auto recordings = folder ? clip::recordingsBelow(source) : clip::pairOf(source);
    if (!recordings)
        return recordings.failure();
    if (!line.isSet(kFrom))
        return clip::planPair(*recordings);
    return clip::planRange(*recordings, *clip::parseCardTime(line.value(kFrom)),
                           *clip::parseCardTime(line.value(kTo)));
}

void showProgress(qint64 done, qint64 total, const QElapsedTimer &clock)
{
    const qint64 elapsed = clock.elapsed();
    const qint64 left = done > 0 ? elapsed * (total - done) / done / 1000 : 0;
    toolErr() << QStringLiteral("\r%1% %2:%3 left ")
                     .arg(done * 100 / std::max<qint64>(total, 1), 3)
                     .arg(left / 60)
                     .arg(left % 60, 2, 10, QLatin1Char('0'))
              << Qt::flush;
}

int runClip(const QCommandLineParser &line)
{
    const QStringList args = line.positionalArguments();
    const auto options = readOptions(line);
    if (!options)
        return toolCommandUsageError(clipCommand().name, options.failure().message());
    if (line.isSet(kFrom) != line.isSet(kTo))
        return toolCommandUsageError(clipCommand().name, tvk::text("tool.clip_from_and_to"));
    for (const QCommandLineOption *option : {&kFrom, &kTo}) {
        if (line.isSet(*option) && !clip::parseCardTime(line.value(*option)))
            return toolCommandUsageError(
                clipCommand().name,
                tvk::text("tool.clip_bad_time").arg(option->names().first(), line.value(*option)));
    }
    if (QFileInfo(args[0]).isDir() && !line.isSet(kFrom))
        return toolCommandUsageError(clipCommand().name, tvk::text("tool.clip_folder_range"));
    const auto plan = planOf(args[0], line);
    if (!plan)
        return toolFailure(plan.failure().text());

    // Stopped by the user or by the file size limit: the exporter then removes its file.
    std::signal(SIGINT, stop);
    std::signal(SIGTERM, stop);
    std::signal(SIGXFSZ, SIG_IGN);

    ClipOverlay::Items items;
    if (line.isSet(kNoOverlay))
        items = {false, false, false, false};
    const clip::PaintFrame paint = clipFramePainter(*plan, items);
    QElapsedTimer clock;
    clock.start();
    const bool terminal = isatty(STDERR_FILENO) == 1;
    const auto progress = [&](qint64 done, qint64 total) {
        if (terminal && (done % 15 == 0 || done == total))
            showProgress(done, total, clock);
    };
    const auto done = clip::exportClip(*plan, *options, args[1], paint, progress, &g_cancel);
    if (terminal)
        toolErr() << "\n" << Qt::flush;
    if (!done)
        return toolFailure(done.failure().text());
    return 0;
}

const ToolCommandRegistration registration{{
    clipCommand().name,
    clipCommand().usage,
    clipCommand().description,
    {kFrom, kTo, kLayout, kCorner, kNoOverlay, kQuality, kPreset, kSound},
    {{QStringLiteral("SOURCE"), QStringLiteral("tool.help.clip_a_recording_with")},
     {QStringLiteral("OUT"), QStringLiteral("tool.help.clip_the_mp4_file")}},
    runClip,
}};

} // namespace
