// Recording names come from whatever a card holds: any bytes must parse, pair and sort.
#include "core/catalogue/DirectoryWalk.h"
#include "core/catalogue/MediaList.h"
#include "core/catalogue/MediaSide.h"

#include <QFile>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> names = bytes.split('\n');
    MediaList::Contents contents;
    for (const QByteArray &name : names) {
        const QString path = QStringLiteral("/card/") + QFile::decodeName(name);
        const MediaFile media(path);
        (void)media.yyyymmddhhmiss();
        (void)media.mediaGroupName();
        (void)mediaDirectionOfPath(path);
        if (auto accepted = createMediaByPath(path))
            contents.addMedia(*accepted);
    }
    std::stable_sort(contents.medias.begin(), contents.medias.end(),
                     [](const MediaFile &a, const MediaFile &b) { return a.compareDate(b) < 0; });
    for (const MediaFile &media : std::as_const(contents.medias))
        (void)contents.findMediaPairWithFileName(media.fileName());
    return 0;
}
