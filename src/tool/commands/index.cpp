// tavik-tool index DIR: builds or brings up to date the card's index, then says what it did.
#include "core/index/indexupdate.h"
#include "tool/command.h"

namespace {

int runIndex(const QCommandLineParser &line)
{
    const QString folder = line.positionalArguments().first();
    tvk::Result<std::unique_ptr<CardIndex>> index = CardIndex::open(folder);
    if (!index)
        return toolFailure(index.failure().text());
    const tvk::Result<IndexUpdateReport> report = updateCardIndex(**index);
    if (!report)
        return toolFailure(report.failure().text());
    const IndexUpdateReport &r = *report;
    toolOut() << r.recordings << " recordings: " << r.added << " added, " << r.changed
              << " changed, " << r.removed << " removed, " << r.unchanged << " unchanged; "
              << r.points << " route points, " << r.trips << " trips"
              << (r.rebuilt ? "; the old index was rebuilt" : "") << '\n'
              << "index: " << (*index)->file() << '\n';
    return 0;
}

const ToolCommandRegistration registration{{
    QStringLiteral("index"),
    QStringLiteral("index DIR"),
    QStringLiteral("tool.help.index_builds_or_updates"),
    {},
    {{QStringLiteral("DIR"), QStringLiteral("tool.help.card_folder")}},
    runIndex,
}};

} // namespace
