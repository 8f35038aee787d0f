#include "tool/cardwalk.h"

#include "core/catalogue/MediaList.h"
#include "core/common/textescape.h"
#include "tool/command.h"

tvk::Result<QList<MediaFile>> walkCardFolder(const QString &folder)
{
    Walk walk = MediaList::collect(folder);
    const WalkReport &report = walk.report;
    if (!report.unreadableFolders.isEmpty() && report.unreadableFolders.first().subject == folder)
        return report.unreadableFolders.first();
    for (const QString &problem : walkReportLines(report, folder))
        toolErr() << "tavik-tool: " << tvk::terminalText(problem) << Qt::endl;
    return std::move(walk.found);
}
