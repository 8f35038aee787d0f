// tavik-tool list DIR [--json]: the recording catalogue of a folder, in catalogue order.
#include "catalogue/TVKMediaList.h"
#include "command.h"
#include "common/strings.h"
#include "output/jsonstream.h"

#include <QIODevice>

#include <algorithm>

namespace {

void writePathOrNull(JsonStream &json, const std::optional<TVKMedia> &media)
{
    if (media)
        json.string(media->path());
    else
        json.null();
}

// Keys in alphabetical order, as the catalogue's JSON has always had them.
void writeCatalogueJson(const TVKMediaList::Contents &contents)
{
    JsonStream json(toolOutDevice());
    json.beginObject().key("medias").beginArray();
    for (const TVKMedia &m : contents.medias) {
        json.beginObject();
        json.key("dir").string(m.dir());
        json.key("direction").integer(m.mediaDirection());
        json.key("division").integer(m.mediaDivision());
        json.key("extension").string(m.extension());
        json.key("group").string(m.mediaGroupName());
        json.key("name").string(m.mediaName());
        json.key("path").string(m.path());
        json.key("time").string(m.yyyymmddhhmiss());
        json.endObject();
    }
    json.endArray().key("pairs").beginObject();
    QStringList groups = contents.mediaPairDic.keys();
    std::sort(groups.begin(), groups.end());
    for (const QString &group : std::as_const(groups)) {
        const TVKMediaPair &pair = contents.mediaPairDic[group];
        json.key(group).beginObject();
        writePathOrNull(json.key("front"), pair.frontMedia);
        writePathOrNull(json.key("rear"), pair.rearMedia);
        json.endObject();
    }
    json.endObject().endObject().newline();
}

const char *kindWord(const TVKMedia &m)
{
    switch (m.mediaDivision()) {
    case TVKMedia::Always:
        return "always";
    case TVKMedia::Motion:
        return "motion";
    case TVKMedia::Event:
        return "event";
    default:
        return "unknown";
    }
}

const char *sideWord(const TVKMedia &m)
{
    return m.isFrontMedia() ? "front" : (m.isRearMedia() ? "rear" : "-");
}

int runList(const QCommandLineParser &line)
{
    const QString folder = line.positionalArguments().first();
    const bool json = line.isSet(toolJsonOption());
    const TVKMediaList::Contents contents = TVKMediaList::walk(folder);
    const WalkReport &report = contents.report;
    if (!report.unreadableFolders.isEmpty() && report.unreadableFolders.first().subject == folder)
        return toolFailure(report.unreadableFolders.first().text());
    for (const QString &problem : walkReportLines(report, folder))
        toolErr() << "tavik-tool: " << problem << Qt::endl;
    if (json) {
        writeCatalogueJson(contents);
        return 0;
    }
    // One line per recording, written as bytes: a card holds tens of thousands.
    QIODevice *out = toolOutDevice();
    QByteArray lines;
    for (const TVKMedia &m : contents.medias) {
        const TVKMediaPair *pair = contents.findMediaPairWithFileName(m.mediaName());
        const bool paired = pair && pair->frontMedia && pair->rearMedia;
        lines += m.yyyymmddhhmiss().toUtf8();
        lines += "  ";
        lines += QByteArray(kindWord(m)).leftJustified(6);
        lines += "  ";
        lines += QByteArray(sideWord(m)).leftJustified(5);
        lines += paired ? "  pair  " : "        ";
        lines += m.path().toUtf8();
        lines += '\n';
        if (lines.size() > (1 << 16)) {
            out->write(lines);
            lines.clear();
        }
    }
    lines += QByteArray::number(contents.medias.size()) + " recordings, " +
             QByteArray::number(contents.mediaPairDic.size()) + " groups\n";
    if (out->write(lines) != lines.size())
        return toolFailure(QStringLiteral("standard output: %1").arg(out->errorString()));
    return 0;
}

const ToolCommandRegistration registration{{
    QStringLiteral("list"),
    QStringLiteral("list DIR [--json]"),
    QStringLiteral("Lists the recordings of a card folder in time order, with their pairs."),
    {toolJsonOption()},
    {{QStringLiteral("DIR"), QStringLiteral("The card's folder.")}},
    runList,
}};

} // namespace
