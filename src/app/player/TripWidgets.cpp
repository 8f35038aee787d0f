#include "app/player/TripWidgets.h"

#include "app/controls/ImageButton.h"
#include "app/player/HeadBarButton.h"
#include "app/player/MediaItemDelegate.h"
#include "app/player/PlayerWindowUi.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>

TripPanel::Widgets addTripWidgets(QWidget *window, PlayerWindowUi &ui)
{
    // The tree shares the flat list's cell and covers it; the flat list stays underneath, so
    // the window's list and map switch need not know about trips.
    auto *tree = new QTreeView(ui.mediaListBox);
    tree->setItemDelegate(new MediaItemDelegate(tree));
    if (auto *grid = qobject_cast<QGridLayout *>(ui.mediaListBox->layout()))
        grid->addWidget(tree, 0, 0);

    auto *byTrip = new QToolButton(ui.sideButtonBox);
    byTrip->setObjectName(QStringLiteral("tripListButton"));
    ui.sideButtonBox->layout()->addWidget(byTrip);

    auto *clockLine = new QLabel(ui.mapContainerView);
    clockLine->setObjectName(QStringLiteral("clockOffsetField"));
    ui.mapContainerView->layout()->addWidget(clockLine);

    ImageButton *exportButton =
        addHeadBarButton(ui, "exportButton", "icon_export_n", "trips.export");
    return {window,
            ui.mapWebView,
            ui.graphView,
            clockLine,
            exportButton,
            {tree, byTrip, ui.mediaListTableView},
            {ui.videoPositionSlider, ui.videoPositionSliderForFullScreen}};
}
