// tavik-tool list DIR [--json]: the recording catalogue of a folder, in catalogue order.
#include "core/catalogue/MediaList.h"
#include "core/common/strings.h"
#include "core/common/textescape.h"
#include "tool/cardwalk.h"
#include "tool/command.h"
#include "tool/output/jsonstream.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <thread>

namespace {

void writePathOrNull(JsonStream &json, const QList<MediaFile> &medias, qsizetype index)
{
    if (index >= 0)
        json.string(medias[index].path());
    else
        json.null();
}

// Keys in alphabetical order, as the catalogue's JSON has always had them. The pairs are
// made on a second thread while the recordings are written.
void writeCatalogueJson(const QList<MediaFile> &medias)
{
    MediaList::PairIndexes pairs;
    QList<QStringView> groups;
    std::thread pairing([&pairs, &groups, &medias] {
        pairs = MediaList::pairIndexes(medias);
        groups = pairs.keys();
        std::sort(groups.begin(), groups.end());
    });
    JsonStream json(toolOutDevice());
    json.beginObject().key("medias").beginArray();
    for (const MediaFile &m : medias) {
        json.beginObject();
        json.plainKey("dir").string(m.dir());
        json.plainKey("direction").integer(m.mediaDirection());
        json.plainKey("division").integer(m.mediaDivision());
        json.plainKey("extension").string(m.extension());
        json.plainKey("group").string(m.mediaGroupNameView());
        json.plainKey("name").string(m.mediaName());
        json.plainKey("path").string(m.path());
        char time[96];
        json.plainKey("time").utf8String(QByteArrayView(time, m.writeYyyymmddhhmiss(time)));
        json.endObject();
    }
    pairing.join();
    json.endArray().key("pairs").beginObject();
    for (const QStringView group : std::as_const(groups)) {
        const MediaList::PairSlots pair = pairs.value(group);
        json.key(group).beginObject();
        writePathOrNull(json.plainKey("front"), medias, pair.front);
        writePathOrNull(json.plainKey("rear"), medias, pair.rear);
        json.endObject();
    }
    json.endObject().endObject().newline();
}

const char *kindWord(const MediaFile &m)
{
    switch (m.mediaDivision()) {
    case MediaFile::Always:
        return "always";
    case MediaFile::Motion:
        return "motion";
    case MediaFile::Event:
        return "event";
    default:
        return "unknown";
    }
}

const char *sideWord(const MediaFile &m)
{
    return m.isFrontMedia() ? "front" : (m.isRearMedia() ? "rear" : "-");
}

// Two blanks, then the word left-justified in `width` columns.
char *putPadded(char *out, const char *word, qsizetype width)
{
    *out++ = ' ';
    *out++ = ' ';
    qsizetype length = 0;
    for (; word[length]; ++length)
        *out++ = word[length];
    for (; length < width; ++length)
        *out++ = ' ';
    return out;
}

// The path as terminalText gives it, in UTF-8: printable ASCII without a backslash, as nearly
// every path is, goes out as it is.
void appendPath(QByteArray &lines, const QString &path)
{
    const qsizetype at = lines.size();
    lines.resize(at + path.size());
    char *out = lines.data() + at;
    for (const QChar c : path) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u >= 0x7f || u == u'\\') {
            lines.truncate(at);
            lines += tvk::terminalText(path).toUtf8();
            return;
        }
        *out++ = char(u);
    }
}

int runList(const QCommandLineParser &line)
{
    const QString folder = line.positionalArguments().first();
    const bool json = line.isSet(toolJsonOption());
    const tvk::Result<QList<MediaFile>> walked = walkCardFolder(folder);
    if (!walked)
        return toolFailure(walked.failure().text());
    const QList<MediaFile> &medias = *walked;
    if (json) {
        writeCatalogueJson(medias); // a failed write is told when the command ends
        return 0;
    }
    const MediaList::PairIndexes pairs = MediaList::pairIndexes(medias);
    // One line per recording, written as bytes: a card holds tens of thousands.
    QIODevice *out = toolOutDevice();
    QByteArray lines;
    lines.reserve((1 << 16) + 4096); // one buffer, written out and reused
    for (const MediaFile &m : medias) {
        char time[96];
        const int timeLength = m.writeYyyymmddhhmiss(time);
        char text[96 + 32];
        std::memcpy(text, time, size_t(timeLength));
        char *end = text + timeLength;
        end = putPadded(end, kindWord(m), 6);
        end = putPadded(end, sideWord(m), 5);
        const MediaList::PairSlots pair = MediaList::findPairSlots(pairs, m.mediaName());
        const char *mark = pair.front >= 0 && pair.rear >= 0 ? "  pair  " : "        ";
        std::memcpy(end, mark, 8);
        lines.append(text, end + 8 - text);
        appendPath(lines, m.path());
        lines += '\n';
        if (lines.size() > (1 << 16)) {
            out->write(lines);
            lines.truncate(0);
        }
    }
    lines += QByteArray::number(medias.size()) + " recordings, " +
             QByteArray::number(pairs.size()) + " groups\n";
    out->write(lines); // a failed write is told when the command ends
    return 0;
}

const ToolCommandRegistration registration{{
    QStringLiteral("list"),
    QStringLiteral("list DIR [--json]"),
    QStringLiteral("tool.help.list_lists_the_recordings"),
    {toolJsonOption()},
    {{QStringLiteral("DIR"), QStringLiteral("tool.help.card_folder")}},
    runList,
}};

} // namespace
