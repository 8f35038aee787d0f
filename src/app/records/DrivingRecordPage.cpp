#include "app/records/DrivingRecordPage.h"

#include "app/controls/Alert.h"
#include "app/records/DrivingRecordModel.h"
#include "app/records/RecordMap.h"
#include "core/common/log.h"
#include "core/common/strings.h"
#include "core/records/drivingrecordfile.h"
#include "core/records/drivingrecordtable.h"
#include "ui_DrivingRecordPage.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QHeaderView>
#include <QTimer>
#include <QtConcurrent>

DrivingRecordPage::DrivingRecordPage(QWidget *parent)
    : SettingsPage(parent), ui(std::make_unique<Ui::DrivingRecordPage>()),
      m_model(new DrivingRecordModel(this)), m_mapFactory(makeRecordMapWindow)
{
    ui->setupUi(this);
    QTableView *table = ui->tableView;
    table->setModel(m_model);
    table->setAccessibleName(tvk::text("access.driving_log"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    // Fixed sizes let the view place any of 86,400 rows without measuring the others.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    QHeaderView *header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultAlignment(Qt::AlignCenter);
    // Wide enough for the title and for the longest text a cell can hold.
    DrivingRecordImage widest{};
    widest.seq = 65535;
    widest.latitudeInt = 9999;
    widest.latitudeFrac = widest.longitudeFrac = 9999;
    widest.longitudeInt = 65535;
    widest.drivingDistance = 9999999;
    widest.curSpeed = widest.maxSpeed = 999;
    widest.gsensorX = widest.gsensorY = widest.gsensorZ = -32768;
    widest.battery = 999;
    for (int column = 0; column < kDrivingRecordColumnCount; ++column) {
        const int title = header->fontMetrics().horizontalAdvance(m_model->titles()[column]) + 14;
        const int cell =
            table->fontMetrics().horizontalAdvance(drivingRecordCellText(widest, 99999, column)) +
            12;
        header->resizeSection(column, qMax(drivingRecordColumns[column].width, qMax(title, cell)));
    }
    connect(table, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { doubleClickTableRow(index.row()); });
    connect(ui->openButton, &QPushButton::clicked, this, &DrivingRecordPage::openFileDialog);
    connect(ui->exportButton, &QPushButton::clicked, this, &DrivingRecordPage::onSaveCSVFile);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DrivingRecordPage::updateButtons);
    ui->noteField->hide();
    updateButtons();
}

DrivingRecordPage::~DrivingRecordPage() = default;

QTableView *DrivingRecordPage::tableView() const
{
    return ui->tableView;
}

void DrivingRecordPage::onHide()
{
    m_map.reset();
}

void DrivingRecordPage::updateButtons()
{
    // An empty table has nothing to export; a disabled button says so.
    ui->exportButton->setEnabled(m_model->rowCount() > 0);
}

void DrivingRecordPage::displayFileData()
{
    if (!m_firstLoad)
        return;
    m_firstLoad = false;
    if (!m_FlashDataFilePath.isEmpty() && QFileInfo::exists(m_FlashDataFilePath))
        loadFlashDataFile();
    else
        showAlert(window(), tvk::text("records.alert.alarm"),
                  tvk::text("setting.flashdata.warning"));
}

void DrivingRecordPage::loadFlashDataFile()
{
    if (m_FlashDataFilePath.isEmpty())
        return;
    emit busy(tvk::text("setting.loading"));
    using Read = tvk::Result<DrivingRecordFile>;
    auto *watcher = new QFutureWatcher<Read>(this);
    connect(watcher, &QFutureWatcher<Read>::finished, this,
            [this, watcher, path = m_FlashDataFilePath] {
                Read read = watcher->result();
                watcher->deleteLater();
                emit idle();
                publish(path, std::move(read));
            });
    watcher->setFuture(QtConcurrent::run(
        [path = m_FlashDataFilePath]() -> Read { return readDrivingRecordFile(path); }));
}

void DrivingRecordPage::publish(const QString &path, tvk::Result<DrivingRecordFile> read)
{
    // A refused file shows no rows: the previous file's would pass for this one's.
    const QString shown = QDir::toNativeSeparators(path);
    if (!read) {
        m_model->setRecords({});
        m_map.reset();
        showNote(read.failure().text());
        showAlert(window(), tvk::text("setting.alert.warn"), read.failure().text());
        emit recordsPublished();
        return;
    }
    const DrivingRecordFile &file = *read;
    showNote(file.truncated() ? tvk::text("records.truncated")
                                    .arg(shown, QString::number(file.recordCount),
                                         QString::number(file.records.size()))
                              : QString());
    m_model->setRecords(std::move(read->records));
    if (m_map)
        m_map->setRoute(routeOf(*m_model));
    emit recordsPublished();
}

void DrivingRecordPage::showNote(const QString &text)
{
    ui->noteField->setText(text);
    ui->noteField->setVisible(!text.isEmpty());
}

QString DrivingRecordPage::note() const
{
    return ui->noteField->text();
}

QList<QPointF> DrivingRecordPage::routeOf(const DrivingRecordModel &model)
{
    constexpr qsizetype kMostPoints = 4000;
    QList<QPointF> points;
    for (const DrivingRecordImage &record : model.records()) {
        if (record.gpsValid != 1)
            continue;
        const DrivingRecordPosition p = drivingRecordPosition(record);
        if (p.latitude != 0 && p.longitude != 0)
            points.append(QPointF(p.longitude, p.latitude));
    }
    if (points.size() <= kMostPoints)
        return points;
    QList<QPointF> thinned;
    const qsizetype step = (points.size() + kMostPoints - 1) / kMostPoints;
    for (qsizetype i = 0; i < points.size(); i += step)
        thinned.append(points[i]);
    thinned.append(points.last());
    return thinned;
}

void DrivingRecordPage::doubleClickTableRow(int row)
{
    tvk::log(QStringLiteral("rowNum=%1").arg(row));
    if (row < 0 || row >= m_model->rowCount())
        return;
    const DrivingRecordPosition p = drivingRecordPosition(m_model->records()[row]);
    if (!m_map) {
        m_map = m_mapFactory();
        m_map->setRoute(routeOf(*m_model));
    }
    m_map->showBeside(window()->frameGeometry());
    if (p.latitude != 0 && p.longitude != 0)
        m_map->showPosition(p.latitude, p.longitude);
}

void DrivingRecordPage::openFileDialog()
{
    m_map.reset();
    auto *panel = new QFileDialog(this, tvk::text("open"));
    panel->setObjectName(QStringLiteral("openPanel"));
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setNameFilter(QStringLiteral("drv (*.drv)"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    connect(panel, &QFileDialog::fileSelected, this, [this](const QString &path) {
        m_FlashDataFilePath = path;
        loadFlashDataFile();
    });
    panel->open();
}

void DrivingRecordPage::onSaveCSVFile()
{
    m_map.reset();
    if (m_model->rowCount() <= 0)
        return;
    auto *panel = new QFileDialog(this, tvk::text("export"));
    panel->setObjectName(QStringLiteral("exportPanel"));
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setNameFilter(QStringLiteral("csv (*.csv)"));
    panel->setDefaultSuffix(QStringLiteral("csv"));
    panel->selectFile(QStringLiteral("tavik_000.csv"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    connect(panel, &QFileDialog::fileSelected, this, &DrivingRecordPage::doWriteCSVFile);
    panel->open();
}

void DrivingRecordPage::doWriteCSVFile(const QString &path)
{
    emit busy(tvk::text("records.saving"));
    using Written = tvk::Result<void>;
    auto *watcher = new QFutureWatcher<Written>(this);
    connect(watcher, &QFutureWatcher<Written>::finished, this, [this, watcher] {
        const Written written = watcher->result();
        watcher->deleteLater();
        emit idle();
        // A failed export is said as such, never as saved.
        QTimer::singleShot(500, this, [this, written] {
            if (written)
                showAlert(window(), tvk::text("records.exported"), tvk::text("msg.saved"));
            else
                showAlert(window(), tvk::text("setting.alert.warn"), written.failure().text());
            emit exportFinished(written);
        });
    });
    watcher->setFuture(QtConcurrent::run(
        [path, records = m_model->records(), titles = m_model->titles()]() -> Written {
            return writeDrivingRecordCsv(path, records, titles);
        }));
}
