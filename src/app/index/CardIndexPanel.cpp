#include "app/index/CardIndexPanel.h"

#include "app/index/RecordingsHereList.h"
#include "app/telemetry/MapView.h"
#include "core/common/strings.h"
#include "core/common/waitingjobs.h"
#include "core/index/indexreads.h"
#include "core/route/recordingtelemetry.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QShortcut>
#include <QToolButton>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// Opens the card's index on the calling thread: a connection is used where it was made.
std::unique_ptr<CardIndex> openIndex(const QString &folder, const QString &cacheFolder)
{
    tvk::Result<std::unique_ptr<CardIndex>> index = CardIndex::open(folder, cacheFolder);
    return index ? std::move(*index) : nullptr;
}

// Runs `work` in the background; only the newest watcher of a kind publishes its result.
template <typename T, typename Work, typename Done>
QFutureWatcher<T> *runLatest(QObject *owner, QFutureWatcher<T> *&latest, Work work, Done done)
{
    auto *watcher = new QFutureWatcher<T>(owner);
    latest = watcher;
    QObject::connect(watcher, &QFutureWatcherBase::finished, owner,
                     [watcher, &latest, done = std::move(done)] {
                         watcher->deleteLater();
                         if (watcher != latest)
                             return;
                         latest = nullptr;
                         done(watcher->result());
                     });
    watcher->setFuture(QtConcurrent::run(tvk::waitingJobs(), std::move(work)));
    return watcher;
}

} // namespace

CardIndexPanel::CardIndexPanel(MapView *map, QWidget *host, const QString &cacheFolder,
                               QObject *parent)
    : QObject(parent), m_map(map), m_cacheFolder(cacheFolder),
      m_indexer(new CardIndexer(cacheFolder, this))
{
    m_progressLine = new QWidget(host);
    m_progressLine->setObjectName(QStringLiteral("indexProgressLine"));
    // The text above its bar and free to wrap: the side column is narrow, Korean longer still.
    auto *line = new QVBoxLayout(m_progressLine);
    line->setContentsMargins(10, 2, 10, 2);
    line->setSpacing(2);
    m_progressText = new QLabel(m_progressLine);
    m_progressText->setWordWrap(true);
    m_progressBar = new QProgressBar(m_progressLine);
    m_progressBar->setTextVisible(false);
    m_progressBar->setFixedHeight(4);
    line->addWidget(m_progressText);
    line->addWidget(m_progressBar);
    m_progressLine->hide();

    m_passPanel = new QWidget(host);
    m_passPanel->setObjectName(QStringLiteral("recordingsHerePanel"));
    // Its dark ground comes from the style sheet, as the recording list's does.
    m_passPanel->setAttribute(Qt::WA_StyledBackground);
    m_passPanel->installEventFilter(this);
    m_watchedArea = host;
    host->installEventFilter(this);
    auto *panel = new QVBoxLayout(m_passPanel);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->setSpacing(0);
    auto *titleRow = new QHBoxLayout;
    titleRow->setContentsMargins(10, 4, 4, 4);
    m_passTitle = new QLabel(m_passPanel);
    m_passTitle->setObjectName(QStringLiteral("recordingsHereTitle"));
    auto *close = new QToolButton(m_passPanel);
    close->setObjectName(QStringLiteral("closePassesButton"));
    close->setText(QStringLiteral("×"));
    close->setToolTip(tvk::text("index.close_passes"));
    close->setAccessibleName(tvk::text("index.close_passes"));
    titleRow->addWidget(m_passTitle, 1);
    titleRow->addWidget(close);
    panel->addLayout(titleRow);
    m_list = new RecordingsHereList(m_passPanel);
    panel->addWidget(m_list, 1);
    m_passPanel->hide();
    connect(close, &QToolButton::clicked, this, [this] {
        m_passPanel->hide();
        m_map->clearPlace();
    });
    // Space plays and pauses anywhere in the window, so the close button's own key is taken:
    // Escape closes the list from the keyboard.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), m_passPanel, nullptr, nullptr,
                          Qt::WidgetWithChildrenShortcut),
            &QShortcut::activated, close, &QToolButton::click);

    auto *allDrives = new QToolButton(host);
    allDrives->setObjectName(QStringLiteral("allDrivesButton"));
    allDrives->setText(tvk::text("index.all_drives"));
    allDrives->setToolTip(tvk::text("index.all_drives_tip"));
    allDrives->setCheckable(true);
    m_allDrives = allDrives;
    connect(allDrives, &QToolButton::toggled, this, &CardIndexPanel::setAllDrivesShown);

    connect(m_list, &RecordingsHereList::playRequested, this, &CardIndexPanel::playRequested);
    connect(m_map, &MapView::recordingsHereRequested, this, &CardIndexPanel::searchPlace);
    connect(m_indexer, &CardIndexer::progress, this, &CardIndexPanel::showProgress);
    connect(m_indexer, &CardIndexer::finished, this,
            [this](const QString &folder) { indexFinished(folder); });
    connect(m_indexer, &CardIndexer::failed, this, &CardIndexPanel::indexFailed);
    m_map->setPlaceOffer(tvk::text("index.recordings_here"));
}

bool CardIndexPanel::eventFilter(QObject *watched, QEvent *event)
{
    // The window places the list under the map, in the map's own area: the list takes no
    // more than its share of that area, so the map keeps room for its notice, its controls and
    // its grid labels, and redraws them whole in what is left.
    if (watched == m_passPanel && event->type() == QEvent::ParentChange) {
        if (m_watchedArea)
            m_watchedArea->removeEventFilter(this);
        m_watchedArea = m_passPanel->parentWidget();
        if (m_watchedArea) {
            m_watchedArea->installEventFilter(this);
            fitPassPanel();
        }
    } else if (watched == m_watchedArea && event->type() == QEvent::Resize) {
        fitPassPanel();
    }
    return QObject::eventFilter(watched, event);
}

void CardIndexPanel::fitPassPanel()
{
    const int area = m_watchedArea->height();
    // The gap between the map and the list is not the map's.
    int gap = 0;
    if (const auto *grid = qobject_cast<const QGridLayout *>(m_watchedArea->layout()))
        gap = std::max(0, grid->verticalSpacing());
    else if (const QLayout *layout = m_watchedArea->layout())
        gap = std::max(0, layout->spacing());
    const int map = std::max(kMapKeepsPixels, area * kMapKeepsPercent / 100);
    m_passPanel->setMaximumHeight(std::max(0, area - map - gap));
}

CardIndexPanel::~CardIndexPanel()
{
    // A search or drive list still running publishes nowhere.
    m_search = nullptr;
    m_drives = nullptr;
}

void CardIndexPanel::setFolder(const QString &folder)
{
    // The same folder listed again while its update runs: that update goes on (stopping it
    // would wait for its batch on this thread).
    if (folder == m_folder && m_indexer->isRunning())
        return;
    m_folder = folder;
    m_search = nullptr;
    m_drives = nullptr;
    m_passPanel->hide();
    m_list->clear();
    m_map->clearPlace();
    m_map->setAllDrives({});
    if (folder.isEmpty()) {
        m_progressLine->hide();
        return;
    }
    showProgress(0, 0);
    m_indexer->start(folder);
}

void CardIndexPanel::showProgress(qsizetype done, qsizetype total)
{
    m_progressText->setText(
        total > 0 ? tvk::text("index.progress").arg(QString::number(done), QString::number(total))
                  : tvk::text("index.checking"));
    m_progressBar->setRange(0, int(std::min<qsizetype>(total, INT_MAX)));
    m_progressBar->setValue(int(std::min<qsizetype>(done, INT_MAX)));
    m_progressLine->show();
}

void CardIndexPanel::indexFinished(const QString &folder)
{
    if (folder != m_folder)
        return;
    m_progressLine->hide();
    if (m_routes) {
        // Later trips and exports find these routes without reading the recordings again.
        (void)QtConcurrent::run(
            tvk::waitingJobs(), [folder, cacheFolder = m_cacheFolder, routes = m_routes] {
                if (const std::unique_ptr<CardIndex> index = openIndex(folder, cacheFolder))
                    (void)adoptIndexedRoutes(*index, *routes);
            });
    }
    if (m_allDrives->isChecked())
        loadDrives();
    emit indexCurrent(folder);
}

void CardIndexPanel::indexFailed(const QString &folder, const tvk::Failure &failure)
{
    if (folder != m_folder)
        return;
    // The window works without its index; the reason stays in the line's tooltip.
    m_progressText->setText(tvk::text("index.failed"));
    m_progressText->setToolTip(failure.text());
    m_progressBar->hide();
    m_progressLine->show();
}

void CardIndexPanel::searchPlace(double latitude, double longitude)
{
    if (m_folder.isEmpty())
        return;
    m_map->showPlace(latitude, longitude, kDefaultPassRadiusMetres);
    runLatest<QList<PassGroup>>(
        this, m_search,
        [folder = m_folder, cacheFolder = m_cacheFolder, latitude, longitude] {
            const std::unique_ptr<CardIndex> index = openIndex(folder, cacheFolder);
            if (!index)
                return QList<PassGroup>();
            const tvk::Result<QList<PlacePass>> passes = findPasses(*index, latitude, longitude);
            return passes ? groupPasses(*passes) : QList<PassGroup>();
        },
        [this](const QList<PassGroup> &passes) {
            m_passTitle->setText(passes.isEmpty()
                                     ? tvk::text("index.no_passes")
                                     : tvk::textFmt("index.passes_fmt", passes.size()));
            m_list->setPasses(passes);
            m_passPanel->show();
            emit passesShown(passes);
        });
}

void CardIndexPanel::setAllDrivesShown(bool shown)
{
    if (m_allDrives->isChecked() != shown)
        m_allDrives->setChecked(shown); // comes back here through the button
    else if (shown)
        loadDrives();
    else {
        m_drives = nullptr;
        m_map->setAllDrives({});
    }
}

void CardIndexPanel::loadDrives()
{
    if (m_folder.isEmpty())
        return;
    runLatest<QList<DriveLines>>(
        this, m_drives,
        [folder = m_folder, cacheFolder = m_cacheFolder] {
            const std::unique_ptr<CardIndex> index = openIndex(folder, cacheFolder);
            if (!index)
                return QList<DriveLines>();
            tvk::Result<QList<DriveLines>> drives = indexedDrives(*index);
            return drives ? *drives : QList<DriveLines>();
        },
        [this](const QList<DriveLines> &drives) {
            m_map->setAllDrives(drives);
            emit drivesShown(drives.size());
        });
}
