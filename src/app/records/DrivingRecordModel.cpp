#include "app/records/DrivingRecordModel.h"

#include "core/records/drivingrecordtable.h"

DrivingRecordModel::DrivingRecordModel(QObject *parent)
    : QAbstractTableModel(parent), m_titles(drivingRecordColumnTitles())
{}

void DrivingRecordModel::setRecords(QList<DrivingRecordImage> records)
{
    beginResetModel();
    m_records = std::move(records);
    endResetModel();
}

int DrivingRecordModel::rowCount(const QModelIndex &parent) const
{
    // A view counts rows in int; no card file holds more than that.
    return parent.isValid() ? 0 : int(qMin<qsizetype>(m_records.size(), INT_MAX));
}

int DrivingRecordModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kDrivingRecordColumnCount;
}

QVariant DrivingRecordModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_records.size())
        return {};
    if (role == Qt::DisplayRole)
        return drivingRecordCellText(m_records[index.row()], index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant DrivingRecordModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_titles.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_titles[section];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}
