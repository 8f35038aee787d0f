#pragma once

#include "app/pages/SettingsPageInterface.h"
#include "core/records/drivingrecordfile.h"

#include <QPointF>

#include <functional>
#include <memory>

class QTableView;
class DrivingRecordModel;
class RecordMap;

namespace Ui {
class DrivingRecordPage;
}

// Page 6 of the settings window: the card's driving-record log as a table, a record's place
// on the map, and the export as comma-separated text.
class DrivingRecordPage : public SettingsPage
{
    Q_OBJECT
public:
    using MapFactory = std::function<std::unique_ptr<RecordMap>()>;

    explicit DrivingRecordPage(QWidget *parent = nullptr);
    ~DrivingRecordPage() override;

    bool populate() override { return true; }
    // The map window goes with the page.
    void onHide() override;

    void setFlashDataFilePath(const QString &path) { m_FlashDataFilePath = path; }
    void setMapFactory(MapFactory factory) { m_mapFactory = std::move(factory); }
    DrivingRecordModel *model() const { return m_model; }
    QTableView *tableView() const;
    // What the page says about the file shown: why it was refused, or that records are missing.
    QString note() const;

    // Reads the file on a worker thread behind the settings window's loading sheet; the table
    // takes the records in one step.
    void loadFlashDataFile();
    void doubleClickTableRow(int row);
    void openFileDialog();
    void onSaveCSVFile();
    void doWriteCSVFile(const QString &path);

    // The route the map draws: every valid record with a position, thinned to a few thousand.
    static QList<QPointF> routeOf(const DrivingRecordModel &model);

signals:
    void recordsPublished();
    void exportFinished(const tvk::Result<void> &written);
    // A read or an export runs; the window covers itself with `caption` until it has ended.
    void busy(const QString &caption);
    void idle();

private:
    void displayFileData() override;
    void updateButtons();
    void publish(const QString &path, tvk::Result<DrivingRecordFile> read);
    void showNote(const QString &text);

    std::unique_ptr<Ui::DrivingRecordPage> ui;
    DrivingRecordModel *m_model;
    QString m_FlashDataFilePath;
    bool m_firstLoad = true;
    MapFactory m_mapFactory;
    std::unique_ptr<RecordMap> m_map;
};
