// The evidence report from outside inputs: the card's config.bin, the recording's path, the
// partner's name and the file names, all as they came. A name must never become markup: its
// characters that HTML gives a meaning to never reach the page as they are.
#include "core/evidence/evidencereport.h"

#include <QFileInfo>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

QString withoutMarkup(QString text)
{
    for (const QChar c : {u'<', u'>', u'"', u'&'})
        text.replace(c, u'x');
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    EvidenceFacts facts;
    // A first byte with its low bit set: config.bin's record comes first.
    if (!bytes.isEmpty() && (bytes[0] & 1) && bytes.size() > SettingsRecord::kSize) {
        if (tvk::Result<SettingsRecord> settings =
                SettingsRecord::decode(bytes.mid(1, SettingsRecord::kSize)))
            facts.settings = *settings;
        bytes = bytes.mid(1 + SettingsRecord::kSize);
    }
    // Then the numbers of the moment, when there are enough bytes for them.
    if (bytes.size() >= 4 * int(sizeof(double))) {
        double values[4];
        std::memcpy(values, bytes.constData(), sizeof values);
        bytes = bytes.mid(sizeof values);
        facts.peak = GSensor(float(values[0]), float(values[1]), float(values[2]));
        facts.peakSeconds = values[3];
        facts.clockOffsetSeconds = values[0] * values[3];
        RoutePoint place;
        place.latitude = values[1];
        place.longitude = values[2];
        place.metresPerSecond = values[3];
        facts.place = place;
    }
    // The rest: the recording's path, the partner's name, then the files, one a line.
    const QList<QByteArray> lines = bytes.split('\n');
    QStringList names;
    for (const QByteArray &line : lines)
        names.append(QString::fromUtf8(line));
    facts.recording = MediaFile(names.value(0));
    facts.partnerName = names.value(1);
    facts.files = names.mid(2);
    const QString html = QString::fromUtf8(evidenceReportHtml(facts));
    if (!html.endsWith(QLatin1String("</html>\n")))
        std::abort();

    // The same report with the markup characters of the names made harmless must hold as
    // many of them: escaped names add none.
    EvidenceFacts plain = facts;
    plain.recording = MediaFile(withoutMarkup(names.value(0)));
    plain.partnerName = withoutMarkup(facts.partnerName);
    for (QString &file : plain.files)
        file = withoutMarkup(file);
    const QString plainHtml = QString::fromUtf8(evidenceReportHtml(plain));
    for (const QChar c : {u'<', u'>', u'"'}) {
        if (html.count(c) != plainHtml.count(c))
            std::abort();
    }
    return 0;
}
