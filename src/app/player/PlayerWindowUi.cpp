#include "app/player/PlayerWindowUi.h"

#include "app/controls/BezelButton.h"
#include "app/controls/ElidedLabel.h"
#include "app/controls/ImageButton.h"
#include "app/controls/LanguageButton.h"
#include "app/controls/ThreePartImage.h"
#include "app/controls/VideoBackdrop.h"
#include "app/player/CustomWindow.h"
#include "app/player/PlayerWindowParts.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QTableView>
#include <QVBoxLayout>

namespace {

using namespace playerui;

constexpr int kSubVideoHeight = 250;

// A video area: the framed background with its logo, and the host of the video view on top.
QWidget *videoArea(QWidget *parent, VideoBackdrop **background, QWidget **host,
                   const char *backgroundName, const char *hostName)
{
    auto *area = new QWidget(parent);
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    *background = new VideoBackdrop(area);
    (*background)->setObjectName(QLatin1String(backgroundName));
    grid->addWidget(*background, 0, 0);
    *host = box(hostName, area);
    auto *hostLayout = new QGridLayout(*host);
    hostLayout->setContentsMargins(6, 6, 6, 6);
    grid->addWidget(*host, 0, 0);
    return area;
}

// Keeps a child that is outside its parent's layout in the middle of the parent.
class CentreChild : public QObject
{
public:
    explicit CentreChild(QWidget *child) : QObject(child), m_child(child) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize && watched == m_child->parentWidget()) {
            const QSize outer = m_child->parentWidget()->size();
            m_child->move((outer.width() - m_child->width()) / 2,
                          (outer.height() - m_child->height()) / 2);
        }
        return false;
    }

private:
    QWidget *m_child;
};

} // namespace

void PlayerWindowUi::setupUi(CustomWindow *window)
{
    window->setObjectName(QStringLiteral("playerWindow"));
    auto *windowLayout = new QVBoxLayout(window);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    backgroundBox = box("backgroundBox", window);
    windowLayout->addWidget(backgroundBox);
    auto *backgroundLayout = new QVBoxLayout(backgroundBox);
    backgroundLayout->setContentsMargins(0, 0, 0, 0);
    backgroundLayout->setSpacing(0);

    // Head bar: identity, folder, loading indicator, window buttons.
    headBox = box("headBox", backgroundBox);
    headBox->setFixedHeight(50);
    auto *head = new QHBoxLayout(headBox);
    head->setContentsMargins(14, 0, 10, 0);
    head->setSpacing(8);
    titleLabel = field("titleLabel", headBox);
    head->addWidget(titleLabel);
    openFolderButton = imageButton("openFolderButton", "icon_folder_n", headBox);
    head->addSpacing(12);
    head->addWidget(openFolderButton);
    auto *path = new ElidedLabel(headBox);
    path->setObjectName(QStringLiteral("folderField"));
    folderField = path;
    head->addWidget(folderField, 1);
    head->addSpacing(8);
    // The loading bar floats in the middle of the bar, over the path's free end.
    progressHost = box("progressHost", headBox);
    progressHost->setFixedSize(220, 12);
    new QHBoxLayout(progressHost);
    progressHost->layout()->setContentsMargins(0, 0, 0, 0);
    headBox->installEventFilter(new CentreChild(progressHost));
    clockButton = imageButton("clockButton", "icon_clock_n", headBox);
    settingsButton = imageButton("settingsButton", "icon_settings_n", headBox);
    languageButton = new LanguageButton(headBox);
    head->addWidget(languageButton);
    head->addWidget(clockButton);
    head->addWidget(settingsButton);
    minimizeButton = imageButton("minimizeButton", "icon_minimize_n", headBox, 28);
    closeButton = imageButton("closeButton", "icon_close_n", headBox, 28);
    head->addWidget(minimizeButton);
    head->addWidget(closeButton);
    backgroundLayout->addWidget(headBox);

    bodyBox = box("bodyBox", backgroundBox);
    backgroundLayout->addWidget(bodyBox, 1);
    auto *body = new QHBoxLayout(bodyBox);
    body->setContentsMargins(10, 0, 10, 8);
    body->setSpacing(10);

    // Left column: main video, G-sensor strip, media controls.
    bodyLeftBox = box("bodyLeftBox", bodyBox);
    auto *left = new QVBoxLayout(bodyLeftBox);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(4);
    videoBox = videoArea(bodyLeftBox, &player1BackgroundView, &videoContainerView,
                         "player1BackgroundView", "videoContainerView");
    videoBox->setObjectName(QStringLiteral("videoBox"));
    // The row the list and map join when the window folds.
    videoRowBox = box("videoRowBox", bodyLeftBox);
    auto *videoRow = new QHBoxLayout(videoRowBox);
    videoRow->setContentsMargins(0, 0, 0, 0);
    videoRow->setSpacing(10);
    videoRow->addWidget(videoBox, 1);
    left->addWidget(videoRowBox, 1);

    gsensorBox = box("gsensorBox", bodyLeftBox);
    gsensorBox->setFixedHeight(130);
    auto *gsensor = new QHBoxLayout(gsensorBox);
    gsensor->setContentsMargins(0, 4, 12, 4);
    gsensor->setSpacing(8);
    auto *readouts = box("readoutBox", gsensorBox);
    readouts->setFixedWidth(150);
    auto *readoutGrid = new QGridLayout(readouts);
    readoutGrid->setContentsMargins(10, 6, 6, 6);
    readoutGrid->setVerticalSpacing(2);
    gsensorXField = field("gsensorXField", readouts, QStringLiteral("X=+0.00"));
    gsensorYField = field("gsensorYField", readouts, QStringLiteral("Y=+0.00"));
    gsensorZField = field("gsensorZField", readouts, QStringLiteral("Z=+0.00"));
    gsensorXField->setProperty("axis", QStringLiteral("x"));
    gsensorYField->setProperty("axis", QStringLiteral("y"));
    gsensorZField->setProperty("axis", QStringLiteral("z"));
    speedField = field("speedField", readouts);
    hdopField = field("hdopField", readouts);
    satelliteField = field("satelliteField", readouts);
    readoutGrid->addWidget(gsensorXField, 0, 0, 1, 2);
    readoutGrid->addWidget(gsensorYField, 1, 0, 1, 2);
    readoutGrid->addWidget(gsensorZField, 2, 0, 1, 2);
    const struct
    {
        const char *caption;
        QLabel *value;
    } gps[] = {{"SPEED", speedField}, {"HDOP", hdopField}, {"SAT", satelliteField}};
    for (int i = 0; i < 3; ++i) {
        auto *caption = field("readoutCaption", readouts, QLatin1String(gps[i].caption));
        readoutGrid->addWidget(caption, 3 + i, 0);
        readoutGrid->addWidget(gps[i].value, 3 + i, 1, Qt::AlignRight);
    }
    gsensor->addWidget(readouts);
    graphHost = box("graphHost", gsensorBox);
    new QGridLayout(graphHost);
    graphHost->layout()->setContentsMargins(0, 0, 0, 0);
    gsensor->addWidget(graphHost, 1);
    left->addWidget(gsensorBox);

    mediaControlBox = box("mediaControlBox", bodyLeftBox);
    mediaControlBox->setFixedHeight(72);
    buildMediaControls();
    left->addWidget(mediaControlBox);

    buildFullScreenStrip(bodyLeftBox);
    mediaControlBoxForFullScreen->hide();
    left->addWidget(mediaControlBoxForFullScreen);
    body->addWidget(bodyLeftBox, 1);

    // Right column: side buttons, recording list or map, small video.
    bodyRightBox = box("bodyRightBox", bodyBox);
    bodyRightBox->setFixedWidth(334);
    auto *right = new QVBoxLayout(bodyRightBox);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    sideButtonBox = box("sideButtonBox", bodyRightBox);
    sideButtonBox->setFixedHeight(32);
    auto *side = new QHBoxLayout(sideButtonBox);
    side->setContentsMargins(0, 0, 0, 4);
    side->setSpacing(2);
    recordButton = imageButton("recordButton", "record_n", sideButtonBox);
    informationButton = imageButton("informationButton", "information_n", sideButtonBox);
    recordButton->setFixedSize(48, 28);
    informationButton->setFixedSize(48, 28);
    side->addWidget(recordButton);
    side->addWidget(informationButton);
    side->addStretch(1);
    right->addWidget(sideButtonBox);

    mediaListBox = box("mediaListBox", bodyRightBox);
    auto *listLayout = new QGridLayout(mediaListBox);
    listLayout->setContentsMargins(0, 0, 0, 0);
    mediaListTableView = new QTableView(mediaListBox);
    mediaListTableView->setObjectName(QStringLiteral("mediaListTableView"));
    mediaListTableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    mediaListTableView->setSelectionMode(QAbstractItemView::SingleSelection);
    mediaListTableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mediaListTableView->setShowGrid(false);
    mediaListTableView->setAlternatingRowColors(true);
    mediaListTableView->setWordWrap(false);
    mediaListTableView->verticalHeader()->hide();
    mediaListTableView->verticalHeader()->setDefaultSectionSize(22);
    mediaListTableView->horizontalHeader()->setHighlightSections(false);
    // The list keeps the card's order (time, and front before rear): the headers only name
    // the columns and must not look like buttons.
    mediaListTableView->horizontalHeader()->setSectionsClickable(false);
    mediaListTableView->setIconSize(QSize(16, 16));
    mediaListTableView->setAcceptDrops(true);
    mediaListTableView->setDragDropMode(QAbstractItemView::DropOnly);
    mediaListTableView->setDropIndicatorShown(false);
    mediaListTableView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mediaListTableView->verticalScrollBar()->setObjectName(QStringLiteral("mediaListScrollBar"));
    listLayout->addWidget(mediaListTableView, 0, 0);

    mapContainerView = box("mapContainerView", mediaListBox);
    auto *map = new QVBoxLayout(mapContainerView);
    map->setContentsMargins(0, 0, 0, 0);
    map->setSpacing(0);
    mapContainerTopView = box("mapContainerTopView", mapContainerView);
    new QGridLayout(mapContainerTopView);
    mapContainerTopView->layout()->setContentsMargins(0, 0, 0, 0);
    map->addWidget(mapContainerTopView, 1);
    mapContainerBottomView = box("mapContainerBottomView", mapContainerView);
    mapContainerBottomView->setFixedHeight(57);
    auto *bottom = new QHBoxLayout(mapContainerBottomView);
    bottom->setContentsMargins(10, 4, 10, 4);
    mapPositionField = field("mapPositionField", mapContainerBottomView);
    bottom->addWidget(mapPositionField);
    map->addWidget(mapContainerBottomView);
    listLayout->addWidget(mapContainerView, 0, 0);
    mapContainerView->hide();
    right->addWidget(mediaListBox, 1);

    subVideoBox = videoArea(bodyRightBox, &player2BackgroundView, &subVideoHost,
                            "player2BackgroundView", "subVideoHost");
    subVideoBox->setObjectName(QStringLiteral("subVideoBox"));
    subVideoBox->setFixedHeight(kSubVideoHeight);
    right->addSpacing(8);
    right->addWidget(subVideoBox);
    body->addWidget(bodyRightBox);
}

void PlayerWindowUi::setFolded(bool folded)
{
    if (folded == m_folded)
        return;
    m_folded = folded;
    if (folded) {
        videoRowBox->layout()->addWidget(bodyRightBox);
        // As high as the strip leaves, in the video's proportions.
        const QMargins strip = gsensorBox->layout()->contentsMargins();
        const int height = gsensorBox->minimumHeight() - strip.top() - strip.bottom();
        subVideoBox->setFixedSize(height * 16 / 9, height);
        gsensorBox->layout()->addWidget(subVideoBox);
    } else {
        bodyBox->layout()->addWidget(bodyRightBox);
        subVideoBox->setMinimumWidth(0);
        subVideoBox->setMaximumWidth(QWIDGETSIZE_MAX);
        subVideoBox->setFixedHeight(kSubVideoHeight);
        bodyRightBox->layout()->addWidget(subVideoBox);
    }
}
