// tavik-tool list DIR [--json]: the recording catalogue of a folder, in catalogue order.
#include "catalogue/TVKMediaList.h"
#include "command.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue pathOrNull(const std::optional<TVKMedia> &media)
{
    return media ? QJsonValue(media->path()) : QJsonValue(QJsonValue::Null);
}

QJsonObject catalogueJson(const TVKMediaList::Contents &contents)
{
    QJsonArray medias;
    for (const TVKMedia &m : contents.medias) {
        medias.append(QJsonObject{{QStringLiteral("path"), m.path()},
                                  {QStringLiteral("name"), m.mediaName()},
                                  {QStringLiteral("extension"), m.extension()},
                                  {QStringLiteral("dir"), m.dir()},
                                  {QStringLiteral("division"), m.mediaDivision()},
                                  {QStringLiteral("direction"), m.mediaDirection()},
                                  {QStringLiteral("time"), m.yyyymmddhhmiss()},
                                  {QStringLiteral("group"), m.mediaGroupName()}});
    }
    QJsonObject pairs;
    for (auto it = contents.mediaPairDic.cbegin(); it != contents.mediaPairDic.cend(); ++it) {
        pairs.insert(it.key(), QJsonObject{{QStringLiteral("front"), pathOrNull(it->frontMedia)},
                                           {QStringLiteral("rear"), pathOrNull(it->rearMedia)}});
    }
    return QJsonObject{{QStringLiteral("medias"), medias}, {QStringLiteral("pairs"), pairs}};
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
    if (!QFileInfo(folder).isDir())
        return toolFailure(QStringLiteral("%1: not a folder").arg(folder));

    const TVKMediaList::Contents contents = TVKMediaList::walk(folder);
    if (json) {
        toolOut() << QJsonDocument(catalogueJson(contents)).toJson(QJsonDocument::Compact) << '\n';
        return 0;
    }
    for (const TVKMedia &m : contents.medias) {
        const TVKMediaPair *pair = contents.findMediaPairWithFileName(m.mediaName());
        const bool paired = pair && pair->frontMedia && pair->rearMedia;
        toolOut() << QStringLiteral("%1  %2  %3  %4  %5\n")
                         .arg(m.yyyymmddhhmiss(), QString::fromLatin1(kindWord(m)).leftJustified(6),
                              QString::fromLatin1(sideWord(m)).leftJustified(5),
                              paired ? QStringLiteral("pair") : QStringLiteral("    "), m.path());
    }
    toolOut() << contents.medias.size() << " recordings, " << contents.mediaPairDic.size()
              << " groups\n";
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
