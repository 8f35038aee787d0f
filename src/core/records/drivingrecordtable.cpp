#include "core/records/drivingrecordtable.h"

#include "core/common/cformat.h"
#include "core/common/replacefile.h"
#include "core/common/strings.h"
#include "core/common/textescape.h"
#include "core/telemetry/NmeaCoordinate.h"

#include <QLocale>

// Localised titles are string-table keys; X, Y and Z are shown as they are.
const std::array<DrivingRecordColumn, kDrivingRecordColumnCount> drivingRecordColumns = {{
    {QT_TRID_NOOP("setting.flashdata.index"), true, 38},
    {QT_TRID_NOOP("setting.flashdata.seq"), true, 38},
    {QT_TRID_NOOP("setting.flashdata.date"), true, 86},
    {QT_TRID_NOOP("setting.flashdata.time"), true, 72},
    {QT_TRID_NOOP("setting.flashdata.yoil"), true, 70},
    {QT_TRID_NOOP("setting.flashdata.lat"), true, 64},
    {QT_TRID_NOOP("setting.flashdata.lon"), true, 72},
    {QT_TRID_NOOP("setting.flashdata.driving_distance"), true, 60},
    {QT_TRID_NOOP("setting.flashdata.cur_speed"), true, 60},
    {QT_TRID_NOOP("setting.flashdata.max_speed"), true, 60},
    {QT_TRID_NOOP("setting.flashdata.value"), true, 48},
    {"X", false, 48},
    {"Y", false, 48},
    {"Z", false, 48},
    {QT_TRID_NOOP("setting.flashdata.battery"), true, 60},
}};

QStringList drivingRecordColumnTitles()
{
    QStringList titles;
    for (const DrivingRecordColumn &column : drivingRecordColumns)
        titles.append(column.localised ? tvk::text(column.titleKey)
                                       : QString::fromLatin1(column.titleKey));
    return titles;
}

QString drivingRecordCellText(const DrivingRecordImage &r, qint64 row, int column)
{
    static const char *const kWeekDays[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
    switch (column) {
    case 0:
        return tvk::cformat("%ld", static_cast<long>(row + 1));
    case 1:
        return tvk::cformat("%d", r.seq);
    case 2:
        return tvk::cformat("%4d/%02d/%02d", r.yearSince1900 + 1900, r.month, r.day);
    case 3:
        return tvk::cformat("%02d:%02d:%02d", r.hour, r.minute, r.second);
    case 4:
        return QString::fromLatin1(r.weekDay < 7 ? kWeekDays[r.weekDay] : "-");
    case 5:
        return tvk::cformat("%04d.%04d", r.latitudeInt, r.latitudeFrac);
    case 6:
        return tvk::cformat("%05d.%04d", r.longitudeInt, r.longitudeFrac);
    case 7:
        return tvk::cformat("%.1f", r.drivingDistance / 10.0);
    case 8:
        return tvk::cformat("%d", r.curSpeed);
    case 9:
        return tvk::cformat("%d", r.maxSpeed);
    case 10:
        return QString::fromLatin1(r.gpsValid == 1 ? "A" : "V");
    case 11:
        return tvk::cformat("%+.2f", r.gsensorX / 256.0);
    case 12:
        return tvk::cformat("%+.2f", r.gsensorY / 256.0);
    case 13:
        return tvk::cformat("%+.2f", r.gsensorZ / 256.0);
    case 14:
        return tvk::cformat("%2d.%1d", r.battery / 10, r.battery % 10);
    default:
        return QStringLiteral("X");
    }
}

namespace {

// The export in pieces of about 64 KiB, each handed to `write` as it fills.
void produceDrivingRecordCsv(const QList<DrivingRecordImage> &records, const QStringList &titles,
                             const std::function<void(const QByteArray &)> &write)
{
    // The titles are the only text; every cell below them is a number, a date or A/V.
    QByteArrayList titleCells;
    for (const QString &title : titles)
        titleCells.append(tvk::csvTextCell(title));
    QByteArray text = titleCells.join(',') + '\n';
    QStringList cells;
    for (qsizetype row = 0; row < records.size(); ++row) {
        cells.clear();
        for (int column = 0; column < kDrivingRecordColumnCount; ++column)
            cells.append(drivingRecordCellText(records.at(row), row, column));
        text += cells.join(u',').toUtf8() + '\n';
        if (text.size() >= (1 << 16)) {
            write(text);
            text.clear();
        }
    }
    write(text);
}

} // namespace

QByteArray drivingRecordCsv(const QList<DrivingRecordImage> &records, const QStringList &titles)
{
    QByteArray text;
    produceDrivingRecordCsv(records, titles, [&text](const QByteArray &piece) { text += piece; });
    return text;
}

tvk::Result<void> writeDrivingRecordCsv(const QString &path,
                                        const QList<DrivingRecordImage> &records,
                                        const QStringList &titles)
{
    return replaceFileContents(path, [&](const std::function<void(const QByteArray &)> &write) {
        produceDrivingRecordCsv(records, titles, write);
    });
}

DrivingRecordPosition drivingRecordPosition(const DrivingRecordImage &record)
{
    const double lat = QLocale::c().toDouble(drivingRecordCellText(record, 0, 5));
    const double lng = QLocale::c().toDouble(drivingRecordCellText(record, 0, 6));
    return DrivingRecordPosition{degreesFromNmeaValue(lat), degreesFromNmeaValue(lng)};
}
