#pragma once

#include "core/trips/trips.h"

#include <QAbstractItemModel>

// The recording list grouped by drive: a row per trip with its recordings below it, and each
// recording of no trip (parking, unreadable name) as a row of its own at its place in time.
// Recording rows carry the columns of the flat list; a trip row says when, how long and how
// many recordings.
class TripListModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    explicit TripListModel(QObject *parent = nullptr);

    // Replaces the whole list in one step; `trips` were grouped from `medias`.
    void setCatalogue(const QList<MediaFile> &medias, const QList<Trip> &trips);

    const QList<Trip> &trips() const { return m_trips; }
    // The catalogue row of a recording row; -1 for a trip row.
    qint64 catalogueRow(const QModelIndex &index) const;
    QModelIndex indexOfCatalogueRow(qint64 row) const;
    // The trip of a trip row or of a recording row inside a trip; -1 otherwise.
    int tripOf(const QModelIndex &index) const;
    QModelIndex indexOfTrip(int trip) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // A top-level row: a trip with its recordings' catalogue rows, or one loose recording.
    struct Entry
    {
        int trip = -1;
        QList<qint64> rows;
    };
    QVariant tripData(const Trip &trip, int column, int role) const;
    QVariant recordingData(qint64 row, int column, int role) const;

    QList<MediaFile> m_medias;
    QList<Trip> m_trips;
    QList<Entry> m_entries;
    QList<int> m_entryOfTrip;
};
