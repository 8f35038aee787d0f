// The GPX and KML writers on hostile names and values: track and recording names of any bytes
// (control characters, markup, invalid UTF-8) and points of any doubles. Whatever they hold,
// the documents must be well-formed XML that gives the names back.
#include "core/route/routeexport.h"

#include <QBuffer>
#include <QDateTime>
#include <QXmlStreamReader>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr qsizetype kPointBytes = 3 * sizeof(double) + 2 * sizeof(quint32);

RoutePoint pointFrom(const char *bytes)
{
    double values[3];
    quint32 times[2];
    std::memcpy(values, bytes, sizeof values);
    std::memcpy(times, bytes + sizeof values, sizeof times);
    RoutePoint p;
    p.latitude = values[0];
    p.longitude = values[1];
    p.metresPerSecond = values[2];
    // Seconds from 1970 up to 2106; zero stands for no RMC time.
    if (times[0])
        p.utc = QDateTime::fromSecsSinceEpoch(times[0], Qt::UTC);
    p.cameraMs = times[1];
    return p;
}

// Well-formed, and every text it holds read back.
QString readBack(const QByteArray &document)
{
    QXmlStreamReader reader(document);
    QString text;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::Characters)
            text += reader.text();
    }
    if (reader.hasError())
        std::abort();
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Names first, one a line up to an empty line; the track's name is the first. Then points,
    // spread over the segments in turn.
    const qsizetype namesEnd = bytes.indexOf("\n\n");
    const QByteArray names = namesEnd < 0 ? bytes : bytes.first(namesEnd);
    const QByteArray points = namesEnd < 0 ? QByteArray() : bytes.sliced(namesEnd + 2);
    // Names are file names or our own words: never a NUL or a slash.
    const auto name = [](QByteArray line) {
        return QString::fromUtf8(line.replace('\0', "").replace('/', ""));
    };
    const QList<QByteArray> lines = names.split('\n');
    RouteTrack track{name(lines.first()), {}};
    for (qsizetype i = 1; i < lines.size() && i <= 4; ++i)
        track.segments.append({name(lines[i]), {}});
    if (track.segments.isEmpty())
        track.segments.append({QStringLiteral("a_F.avi"), {}});
    for (qsizetype at = 0, i = 0; at + kPointBytes <= points.size(); at += kPointBytes, ++i)
        track.segments[i % track.segments.size()].points.append(pointFrom(points.constData() + at));

    for (const bool kml : {false, true}) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        if (!(kml ? writeRouteKml(out, {track}) : writeRouteGpx(out, {track})))
            std::abort();
        const QString text = readBack(out.data());
        // A name made only of what XML can carry comes back as it was.
        const auto carried = [](const QString &name) {
            for (const QChar c : name) {
                if (c.unicode() < 0x20 || c.isSurrogate() || c.unicode() >= 0xfffe ||
                    c == QChar::ReplacementCharacter)
                    return false;
            }
            return !name.trimmed().isEmpty() && name.trimmed() == name;
        };
        if (carried(track.name) && !text.contains(track.name))
            std::abort();
    }
    return 0;
}
