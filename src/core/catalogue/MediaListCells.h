#pragma once

#include "core/catalogue/MediaFile.h"

#include <QString>
#include <QStringList>

// The texts and image names of the recording list's cells, one function per column.
namespace medialist {

struct Column
{
    const char *identifier;
    const char *titleKey;
    Qt::Alignment alignment;
};

inline constexpr int kColumnCount = 4;
// "saveMode", "date", "time", "file" with their title keys, in column order.
const Column &column(int index);

// String-table key of the recording's kind ("media.always", …, "media.unknown").
const char *kindKey(const MediaFile &media);
// "car_<side>_<kind>", or empty when the side or the kind is unknown.
QString kindImageName(const MediaFile &media);
// "yyyy-mm-dd" and "hh:mm:ss", empty for an unknown time.
QString dateText(const MediaFile &media);
QString timeText(const MediaFile &media);
// The file name in four pieces: what comes before the time of day, the time of day ("hhmiss"),
// the side ("_F", "_R") and the extension with its dot; the middle two empty when the name
// does not carry a known time and side.
QStringList nameParts(const MediaFile &media);

} // namespace medialist
