#include "app/index/RecordingsHereList.h"

#include "core/common/strings.h"

#include <QFileInfo>
#include <QHeaderView>

#include <cmath>

namespace {

enum Role { PathRole = Qt::UserRole, OffsetRole };

QTreeWidgetItem *playableItem(const QStringList &columns, const PlacePass &pass)
{
    auto *item = new QTreeWidgetItem(columns);
    item->setData(0, PathRole, pass.path);
    item->setData(0, OffsetRole, pass.offsetSeconds);
    item->setToolTip(0, pass.path);
    return item;
}

} // namespace

RecordingsHereList::RecordingsHereList(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("recordingsHereList"));
    setColumnCount(3);
    setHeaderLabels({tvk::text("index.column_time"), tvk::text("index.column_speed"),
                     tvk::text("index.column_direction")});
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setExpandsOnDoubleClick(false);
    // A double click activates the row, as Enter does: one request for either.
    connect(this, &QTreeWidget::itemActivated, this, &RecordingsHereList::play);
}

QStringList RecordingsHereList::passColumns(const PassGroup &pass)
{
    const PlacePass &best = pass.best();
    const QString time = best.time.isValid()
                             ? best.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                             : QFileInfo(best.path).fileName();
    const qint64 speed = std::isfinite(best.speedKmh) ? std::llround(best.speedKmh) : 0;
    return {time, tvk::textFmt("index.speed_kmh_fmt", speed), tvk::text(compassKey(best.heading))};
}

void RecordingsHereList::setPasses(const QList<PassGroup> &passes)
{
    clear();
    QList<QTreeWidgetItem *> rows;
    for (const PassGroup &pass : passes) {
        QTreeWidgetItem *row = playableItem(passColumns(pass), pass.best());
        // One recording: the pass's own row says everything.
        if (pass.stretches.size() > 1) {
            for (const PlacePass &stretch : pass.stretches) {
                const qint64 offset = std::llround(stretch.offsetSeconds);
                row->addChild(playableItem({QFileInfo(stretch.path).fileName(),
                                            tvk::textFmt("index.offset_fmt", offset),
                                            tvk::text(compassKey(stretch.heading))},
                                           stretch));
            }
        }
        rows.append(row);
    }
    addTopLevelItems(rows);
    expandAll();
}

void RecordingsHereList::play(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const QString path = item->data(0, PathRole).toString();
    if (!path.isEmpty())
        emit playRequested(path, item->data(0, OffsetRole).toDouble());
}
