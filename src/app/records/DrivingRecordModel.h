#pragma once

#include "core/records/flashsavevalue.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The driving-record table: one row per record, the fifteen columns of the core's table. The
// records are swapped in whole, so a view never sees a list and a count that disagree.
class DrivingRecordModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit DrivingRecordModel(QObject *parent = nullptr);

    void setRecords(QList<DrivingRecordImage> records);
    const QList<DrivingRecordImage> &records() const { return m_records; }
    const QStringList &titles() const { return m_titles; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<DrivingRecordImage> m_records;
    QStringList m_titles;
};
