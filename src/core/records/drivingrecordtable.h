#pragma once

#include "core/common/result.h"
#include "core/records/flashsavevalue.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The driving-record table: its fifteen columns, their cell texts and the comma-separated
// export. The export holds exactly what the table shows.

struct DrivingRecordColumn
{
    const char *titleKey; // a string-table key, or the title itself when not localised
    bool localised;
    int width;
};

inline constexpr int kDrivingRecordColumnCount = 15;
extern const std::array<DrivingRecordColumn, kDrivingRecordColumnCount> drivingRecordColumns;

// The titles as shown, in column order.
QStringList drivingRecordColumnTitles();

// The text of one cell; `row` counts from 0. A column of 15 or more gives "X".
QString drivingRecordCellText(const DrivingRecordImage &record, qint64 row, int column);

// The whole export: the title line, then one line per record, "\n" after each, UTF-8 without
// byte order mark, cells neither quoted nor escaped.
QByteArray drivingRecordCsv(const QList<DrivingRecordImage> &records, const QStringList &titles);
// Replaces the file's whole content with the export.
tvk::Result<void> writeDrivingRecordCsv(const QString &path,
                                        const QList<DrivingRecordImage> &records,
                                        const QStringList &titles);

// The record's position in decimal degrees, read back from the texts of the latitude and
// longitude cells. The record carries no hemisphere: both come out positive.
struct DrivingRecordPosition
{
    double latitude;
    double longitude;
};
DrivingRecordPosition drivingRecordPosition(const DrivingRecordImage &record);
