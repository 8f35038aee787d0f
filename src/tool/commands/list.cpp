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
        json.key("dir").string(m.dir());
        json.key("direction").integer(m.mediaDirection());
        json.key("division").integer(m.mediaDivision());
        json.key("extension").string(m.extension());
        json.key("group").string(m.mediaGroupNameView());
        json.key("name").string(m.mediaName());
        json.key("path").string(m.path());
        char time[96];
        json.key("time").utf8String(QByteArrayView(time, m.writeYyyymmddhhmiss(time)));
        json.endObject();
    }
    pairing.join();
    json.endArray().key("pairs").beginObject();
    for (const QStringView group : std::as_const(groups)) {
        const MediaList::PairSlots pair = pairs.value(group);
        json.key(group).beginObject();
        writePathOrNull(json.key("front"), medias, pair.front);
        writePathOrNull(json.key("rear"), medias, pair.rear);
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
void appendPadded(QByteArray &lines, const char *word, qsizetype width)
{
    const qsizetype length = qsizetype(std::strlen(word));
    lines += "  ";
    lines += word;
    if (length < width)
        lines.append(width - length, ' ');
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
        char text[96];
        lines.append(text, m.writeYyyymmddhhmiss(text));
        appendPadded(lines, kindWord(m), 6);
        appendPadded(lines, sideWord(m), 5);
        const MediaList::PairSlots pair = MediaList::findPairSlots(pairs, m.mediaName());
        lines += pair.front >= 0 && pair.rear >= 0 ? "  pair  " : "        ";
        lines += tvk::terminalText(m.path()).toUtf8();
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
