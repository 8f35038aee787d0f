#include "app/trips/TripList.h"

#include "app/trips/TripListModel.h"
#include "core/catalogue/MediaList.h"
#include "core/common/strings.h"
#include "core/index/indexreads.h"
#include "core/player/Playback.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QSettings>
#include <QTreeView>
#include <QtConcurrent/QtConcurrentRun>

TripList::TripList(const Widgets &widgets, MediaList *mediaList, Playback *playback,
                   QObject *parent)
    : QObject(parent), m_flatList(widgets.flatList), m_mediaList(mediaList), m_playback(playback),
      m_model(new TripListModel(this)), m_view(widgets.tree), m_switch(widgets.byTripSwitch)
{
    m_view->setObjectName(QStringLiteral("tripListView"));
    m_view->setAccessibleName(tvk::text("access.trip_list"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setUniformRowHeights(true);
    m_view->setAlternatingRowColors(true);
    m_view->setTextElideMode(Qt::ElideMiddle);
    m_view->setIndentation(8);
    m_view->setIconSize(QSize(16, 16));
    // Mode, date and time as wide as their texts; the name takes the rest and is shortened in
    // the middle.
    m_view->header()->setStretchLastSection(true);
    m_view->header()->setHighlightSections(false);
    m_view->header()->setSectionsClickable(false);
    for (int column = 0; column < 3; ++column)
        m_view->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    m_view->hide();

    m_switch->setText(tvk::text("trips.by_trip"));
    m_switch->setToolTip(tvk::text("trips.by_trip_tip"));
    m_switch->setCheckable(true);
    m_switch->setFocusPolicy(Qt::TabFocus);

    m_flatList->installEventFilter(this);
    connect(m_switch, &QAbstractButton::toggled, this, &TripList::setByTrip);
    connect(m_view, &QAbstractItemView::activated, this, &TripList::activated);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TripList::selectionChanged);
    connect(m_playback, &Playback::rowSelected, this, &TripList::followPlayback);
    setByTrip(QSettings().value(QLatin1String(kByTripKey), false).toBool());
}

void TripList::setByTrip(bool on)
{
    if (on != m_byTrip)
        QSettings().setValue(QLatin1String(kByTripKey), on);
    m_byTrip = on;
    const QSignalBlocker quiet(m_switch);
    m_switch->setChecked(on);
    updateVisibility();
}

void TripList::updateVisibility()
{
    // An empty catalogue leaves the flat list in view: its note says why nothing is listed
    // (no folder, a folder being read, none in it, or one that could not be read).
    m_view->setVisible(m_byTrip && m_flatList->isVisible() && m_mediaList->count() > 0);
    if (m_view->isVisible())
        m_view->raise();
}

bool TripList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_flatList && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        updateVisibility();
    return QObject::eventFilter(watched, event);
}

void TripList::catalogueChanged()
{
    const QList<MediaFile> medias = m_mediaList->medias();
    const QString folder = m_mediaList->directoryPath();
    // A newer catalogue makes the grouping under way useless: publish() drops its result.
    auto *watcher = new QFutureWatcher<QList<Trip>>(this);
    m_watcher = watcher;
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, watcher, medias] { publish(watcher, medias); });
    // A card unchanged since it was indexed is grouped from the index: no file is opened.
    watcher->setFuture(QtConcurrent::run([medias, folder] {
        return groupTrips(medias, lengthsFrom(vouchedFactsOf(folder))).trips;
    }));
}

void TripList::publish(QFutureWatcher<QList<Trip>> *watcher, const QList<MediaFile> &medias)
{
    watcher->deleteLater();
    if (watcher != m_watcher)
        return;
    m_watcher = nullptr;
    m_model->setCatalogue(medias, watcher->result());
    // A trip's row is drawn across every column and so does not widen the time column: the
    // recordings' names keep the room the flat list gives them.
    for (int row = 0; row < m_model->rowCount(); ++row)
        m_view->setFirstColumnSpanned(row, {}, m_model->catalogueRow(m_model->index(row, 0)) < 0);
    updateVisibility();
    followPlayback(m_playback->mediaIndex());
    emit tripsPublished();
}

int TripList::tripOfPath(const QString &path) const
{
    for (int t = 0; t < trips().size(); ++t) {
        if (trips()[t].contains(path))
            return t;
    }
    return -1;
}

const QList<Trip> &TripList::trips() const
{
    return m_model->trips();
}

void TripList::followPlayback(qint64 row)
{
    const QModelIndex index = m_model->indexOfCatalogueRow(row);
    if (!index.isValid())
        return;
    // The view hears of the change (and redraws the row); only the trip panel must not take
    // the playing row for the user's choice.
    m_following = true;
    m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_following = false;
    m_view->scrollTo(index);
}

void TripList::activated(const QModelIndex &index)
{
    qint64 row = m_model->catalogueRow(index);
    // A trip plays from its first recording.
    if (row < 0 && m_model->rowCount(index.siblingAtColumn(0)) > 0)
        row = m_model->catalogueRow(m_model->index(0, 0, index.siblingAtColumn(0)));
    if (row >= 0)
        m_playback->playRow(row);
}

void TripList::selectionChanged()
{
    if (m_following)
        return;
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    if (rows.isEmpty() || m_model->catalogueRow(rows.first()) >= 0)
        return;
    emit tripChosen(m_model->tripOf(rows.first()));
}
