#include "clip/ClipExport.h"

#include "clip/ClipComposer.h"
#include "clip/ClipEncoder.h"
#include "clip/ComposeAhead.h"
#include "core/common/replacefile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace clip {

namespace {

tvk::Result<void> checkDestination(const Plan &plan, const QString &out)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(out).constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return tvk::Failure{QT_TRID_NOOP("msg.not_regular_file"), out};
    for (const Segment &segment : plan.segments) {
        for (const auto &source : {segment.front, segment.rear}) {
            if (source &&
                (isSameFile(source->path, out) ||
                 QFileInfo(source->path).absoluteFilePath() == QFileInfo(out).absoluteFilePath()))
                return tvk::Failure{QT_TRID_NOOP("msg.same_file"), out};
        }
    }
    return {};
}

} // namespace

tvk::Result<void> exportClip(const Plan &plan, const ExportOptions &options, const QString &out,
                             const PaintFrame &paint, const ExportProgress &progress,
                             const std::atomic<bool> *cancel)
{
    if (auto checked = checkDestination(plan, out); !checked)
        return checked;
    auto composer = ClipComposer::open(plan, options);
    if (!composer)
        return composer.failure();

    // Beside the destination, so that the last step is a rename on one file system.
    const QFileInfo destination(out);
    QTemporaryFile temporary(destination.absolutePath() + QStringLiteral("/.") +
                             destination.fileName() + QStringLiteral(".XXXXXX.part"));
    if (!temporary.open())
        return tvk::Failure{QT_TRID_NOOP("msg.clip_write_fail"), out, temporary.errorString()};
    temporary.close();

    ClipEncoder::Settings settings = (*composer)->encoderSettings();
    settings.quality = options.quality;
    settings.preset = options.preset;
    auto encoder = ClipEncoder::open(temporary.fileName(), settings);
    if (!encoder)
        return encoder.failure();

    const qint64 total = (*composer)->frameCount();
    ClipComposer *frames = composer->get();
    // Declared after the composer and the encoder: stopped before either goes.
    ComposeAhead ahead(
        settings.size.width(), settings.size.height(), total,
        [frames, &paint](qint64 n, AVFrame *picture) { frames->compose(n, picture, paint); });
    for (qint64 n = 0; n < total; ++n) {
        if (cancel && cancel->load())
            return tvk::Failure{QT_TRID_NOOP("msg.clip_cancelled"), out};
        AVFrame *picture = ahead.next();
        if (!picture)
            return tvk::Failure{QT_TRID_NOOP("msg.clip_write_fail"), out,
                                av::errorText(AVERROR(ENOMEM))};
        auto added = (*encoder)->addPicture(picture);
        ahead.done(picture);
        if (!added)
            return added;
        if (auto done = (*composer)->soundUntil(n + 1, **encoder); !done)
            return done;
        if (progress)
            progress(n + 1, total);
    }
    if (auto done = (*encoder)->finish(); !done)
        return done;
    encoder->reset();
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(out).constData()) != 0)
        return tvk::Failure{QT_TRID_NOOP("msg.clip_write_fail"), out,
                            QString::fromLocal8Bit(std::strerror(errno))};
    // QTemporaryFile created the file private to its owner; a clip is made to be shared.
    QFile::setPermissions(out, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                   QFile::ReadOther);
    return {};
}

} // namespace clip
