#include "app/trips/TripListModel.h"

#include "app/controls/MediaCellRoles.h"
#include "app/controls/NamedImage.h"
#include "core/catalogue/MediaListCells.h"
#include "core/common/countedtext.h"
#include "core/common/strings.h"

#include <QFont>
#include <QHash>
#include <QIcon>
#include <QSet>

#include <algorithm>

namespace {

constexpr quintptr kTopLevel = 0;

QString durationText(qint64 seconds)
{
    const qint64 minutes = (seconds + 30) / 60;
    if (minutes < 60)
        return tvk::text("trips.minutes").arg(std::max<qint64>(minutes, 1));
    return tvk::text("trips.hours").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

TripListModel::TripListModel(QObject *parent) : QAbstractItemModel(parent) {}

void TripListModel::setCatalogue(const QList<MediaFile> &medias, const QList<Trip> &trips)
{
    beginResetModel();
    m_medias = medias;
    m_trips = trips;
    m_entries.clear();
    m_entryOfTrip = QList<int>(trips.size(), -1);
    QHash<QString, int> tripOfPath;
    for (int t = 0; t < trips.size(); ++t) {
        for (const MediaFile &m : trips[t].recordings)
            tripOfPath.insert(m.path(), t);
    }
    for (qint64 row = 0; row < medias.size(); ++row) {
        const int trip = tripOfPath.value(medias[row].path(), -1);
        if (trip < 0) {
            m_entries.append(Entry{-1, {row}});
            continue;
        }
        if (m_entryOfTrip[trip] < 0) {
            m_entryOfTrip[trip] = int(m_entries.size());
            m_entries.append(Entry{trip, {}});
        }
        m_entries[m_entryOfTrip[trip]].rows.append(row);
    }
    endResetModel();
}

qint64 TripListModel::catalogueRow(const QModelIndex &index) const
{
    if (!index.isValid())
        return -1;
    if (index.internalId() == kTopLevel) {
        const Entry &entry = m_entries[index.row()];
        return entry.trip < 0 ? entry.rows.first() : -1;
    }
    return m_entries[int(index.internalId() - 1)].rows[index.row()];
}

QModelIndex TripListModel::indexOfCatalogueRow(qint64 row) const
{
    for (int e = 0; e < m_entries.size(); ++e) {
        const qsizetype child = m_entries[e].rows.indexOf(row);
        if (child < 0)
            continue;
        return m_entries[e].trip < 0 ? index(e, 0) : index(int(child), 0, index(e, 0));
    }
    return {};
}

int TripListModel::tripOf(const QModelIndex &index) const
{
    if (!index.isValid())
        return -1;
    const int entry = index.internalId() == kTopLevel ? index.row() : int(index.internalId() - 1);
    return m_entries[entry].trip;
}

QModelIndex TripListModel::indexOfTrip(int trip) const
{
    if (trip < 0 || trip >= m_entryOfTrip.size())
        return {};
    return index(m_entryOfTrip[trip], 0);
}

QModelIndex TripListModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column < 0 || column >= columnCount(parent) || row < 0 || row >= rowCount(parent))
        return {};
    return createIndex(row, column, parent.isValid() ? quintptr(parent.row()) + 1 : kTopLevel);
}

QModelIndex TripListModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == kTopLevel)
        return {};
    return createIndex(int(child.internalId() - 1), 0, kTopLevel);
}

int TripListModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(m_entries.size());
    if (parent.internalId() != kTopLevel || parent.column() != 0)
        return 0;
    const Entry &entry = m_entries[parent.row()];
    return entry.trip < 0 ? 0 : int(entry.rows.size());
}

int TripListModel::columnCount(const QModelIndex &) const
{
    return medialist::kColumnCount;
}

QVariant TripListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const qint64 row = catalogueRow(index);
    if (row >= 0)
        return recordingData(row, index.column(), role);
    return tripData(m_trips[tripOf(index)], index.column(), role);
}

QVariant TripListModel::tripData(const Trip &trip, int column, int role) const
{
    if (role == Qt::FontRole) {
        if (column == 1 || column == 2)
            return {}; // the date and times stay as narrow as a recording's
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return role == Qt::TextAlignmentRole
                   ? QVariant::fromValue(medialist::column(column).alignment)
                   : QVariant();
    // An event is a moment, recorded by the front and the rear camera alike.
    QSet<QDateTime> eventMoments;
    for (const MediaFile &m : trip.recordings) {
        if (m.isEventMedia())
            eventMoments.insert(nameTime(m));
    }
    const auto events = int(eventMoments.size());
    switch (column) {
    case 0:
        // The trip row spans the whole width: its date, range and summary are read in one
        // line and leave the columns as wide as a recording's texts.
        return QStringList{tvk::text("trips.trip"), tripData(trip, 1, role).toString(),
                           tripData(trip, 2, role).toString(), tripData(trip, 3, role).toString()}
            .join(QStringLiteral("  "));
    case 1:
        return trip.start.toString(QStringLiteral("yyyy-MM-dd"));
    case 2:
        // The end as the duration rounds it: a last recording of 59.97 s ends at the minute.
        return trip.start.toString(QStringLiteral("HH:mm")) + QChar(u'–') +
               trip.start.addSecs(trip.seconds()).toString(QStringLiteral("HH:mm"));
    case 3: {
        QString text = durationText(trip.seconds()) + QStringLiteral(" · ") +
                       tvk::countText("trips.file_count", int(trip.recordings.size()));
        if (events)
            text += QStringLiteral(" · ") + tvk::countText("trips.event_count", events);
        return text;
    }
    }
    return {};
}

QVariant TripListModel::recordingData(qint64 row, int column, int role) const
{
    const MediaFile &media = m_medias[row];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        switch (column) {
        case 0:
            return tvk::text(medialist::kindKey(media));
        case 1:
            return medialist::dateText(media);
        case 2:
            return medialist::timeText(media);
        case 3:
            return role == Qt::ToolTipRole ? media.path() : media.fileName();
        }
        return {};
    case Qt::DecorationRole:
        if (column == 0 && tvk::hasNamedImage(medialist::kindImageName(media)))
            return QIcon(tvk::imageResourcePath(medialist::kindImageName(media)));
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(medialist::column(column).alignment);
    case kNamePartsRole:
        return medialist::nameParts(media);
    default:
        return {};
    }
}

QVariant TripListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= medialist::kColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return tvk::text(medialist::column(section).titleKey);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(medialist::column(section).alignment);
    return {};
}
