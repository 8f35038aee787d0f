#include "core/clip/ClipRecordings.h"

#include "core/catalogue/MediaList.h"
#include "core/telemetry/recordinglength.h"

#include <QFileInfo>

namespace clip {

namespace {

std::optional<Recording> recordingOf(const MediaFile &media)
{
    if (media.mediaDirection() == MediaFile::UnknownDirection)
        return std::nullopt;
    const QDateTime start(QDate(media.year(), media.month(), media.day()),
                          QTime(media.hour(), media.minute(), media.second()), Qt::UTC);
    if (!start.isValid())
        return std::nullopt;
    // A file that cannot be read has nothing to show; its length is not guessed.
    const tvk::Result<qint64> length = recordingLengthMs(media.path());
    if (!length)
        return std::nullopt;
    return Recording{media.path(), media.isRearMedia(), start, *length};
}

} // namespace

QList<Recording> recordingsOf(const QList<MediaFile> &medias)
{
    QList<Recording> out;
    for (const MediaFile &media : medias) {
        if (auto recording = recordingOf(media))
            out.append(*recording);
    }
    return out;
}

tvk::Result<QList<Recording>> recordingsBelow(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return tvk::Failure{QT_TRID_NOOP("msg.clip_no_recording"), folder};
    return recordingsOf(MediaList::walk(folder).medias);
}

tvk::Result<QList<Recording>> pairOf(const QString &recordingPath)
{
    const QFileInfo info(recordingPath);
    if (!info.isFile())
        return tvk::Failure{QT_TRID_NOOP("msg.not_regular_file"), recordingPath};
    const MediaList::Contents contents = MediaList::walk(info.absolutePath());
    const MediaPair *pair = contents.findMediaPairWithFileName(info.fileName());
    if (!pair)
        return tvk::Failure{QT_TRID_NOOP("msg.not_a_recording"), recordingPath};
    QList<MediaFile> medias;
    for (const auto &slot : {pair->frontMedia, pair->rearMedia}) {
        if (slot)
            medias.append(*slot);
    }
    return recordingsOf(medias);
}

} // namespace clip
