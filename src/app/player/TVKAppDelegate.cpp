#include "TVKAppDelegate.h"

#include "CustomWindow.h"
#include "TVKMediaListModel.h"
#include "common/strings.h"
#include "controls/TKImageButton.h"
#include "controls/TKThreePartImageView.h"
#include "controls/TKVideoBackgroundImageView.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>

TVKAppDelegate::TVKAppDelegate(QObject *parent) : QObject(parent)
{
    m_window = new CustomWindow;
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
}

TVKAppDelegate::~TVKAppDelegate()
{
    delete m_window;
}

void TVKAppDelegate::awakeFromNib()
{
    m_ui.setupUi(m_window);
    m_mediaList = new TVKMediaList(this);

    m_ui.mediaControlBoxForFullScreen->setImagesLeft(QStringLiteral("bottom-background_left"),
                                                     QStringLiteral("bottom-background_middle"),
                                                     QStringLiteral("bottom-background_right"));
    m_ui.player1BackgroundView->setBackgroundNineImageName(QStringLiteral("v1"));
    m_ui.player1BackgroundView->setLogoImage(QStringLiteral("v1_front_logo"));
    m_ui.player2BackgroundView->setBackgroundNineImageName(QStringLiteral("v2"));
    m_ui.player2BackgroundView->setLogoImage(QStringLiteral("v2_rear_logo"));

    m_model = new TVKMediaListModel(m_mediaList, this);
    QTableView *table = m_ui.mediaListTableView;
    table->setModel(m_model);
    QHeaderView *header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->resizeSection(0, 82);
    header->resizeSection(1, 80);
    header->resizeSection(2, 64);
    header->setStretchLastSection(true);
    m_emptyListNote = new QLabel(table->viewport());
    m_emptyListNote->setObjectName(QStringLiteral("emptyListNote"));
    m_emptyListNote->setAlignment(Qt::AlignCenter);
    m_emptyListNote->setWordWrap(true);
    table->viewport()->installEventFilter(this);
    connect(m_model, &TVKMediaListModel::folderDropped, this, &TVKAppDelegate::openFolder);
}

bool TVKAppDelegate::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.mediaListTableView->viewport() && event->type() == QEvent::Resize)
        m_emptyListNote->resize(m_ui.mediaListTableView->viewport()->size());
    return QObject::eventFilter(watched, event);
}

void TVKAppDelegate::setupInitialValues()
{
    m_mediaList->setDelegate(this);
    m_ui.titleLabel->setText(QStringLiteral("TAVIK <span style='font-weight:400'>Viewer</span>"));
    m_window->setWindowTitle(QStringLiteral("Tavik Viewer"));
    connect(m_ui.openFolderButton, &QAbstractButton::clicked, this,
            &TVKAppDelegate::openMediaDirectoryDialog);
    connect(m_ui.closeButton, &QAbstractButton::clicked, this, &TVKAppDelegate::closeWindow);
    connect(m_ui.minimizeButton, &QAbstractButton::clicked, m_window, &QWidget::showMinimized);
    connect(m_ui.recordButton, &QAbstractButton::clicked, this,
            &TVKAppDelegate::clickMediaListViewButton);
    connect(m_ui.informationButton, &QAbstractButton::clicked, this,
            &TVKAppDelegate::clickMapViewButton);
    m_ui.openFolderButton->setToolTip(tvk::text("player.open_folder"));
    m_ui.recordButton->setToolTip(tvk::text("player.recordings"));
    m_ui.informationButton->setToolTip(tvk::text("player.route_map"));
    m_rightViewMode = 0;
    updateSideViewButton();
    updateEmptyListNote();
}

void TVKAppDelegate::applicationDidFinishLaunching()
{
    QSettings settings;
    tvk::recordPreferredLanguages(settings);
    m_window->setMinimumSize(minWindowSize());
    m_window->setGeometry(minWindowFrame());
    m_window->setInitialFrame(m_window->geometry());
}

void TVKAppDelegate::launch(const QString &folder)
{
    awakeFromNib();
    setupInitialValues();
    applicationDidFinishLaunching();
    m_window->show();
    if (!folder.isEmpty())
        openFolder(folder);
}

QRect TVKAppDelegate::minWindowFrame() const
{
    const QScreen *screen = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    const QRect visible = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), minWindowSize());
    const QSize size = minWindowSize();
    return QRect(visible.x() + (visible.width() - size.width()) / 2,
                 visible.y() + (visible.height() - size.height()) / 2, size.width(), size.height());
}

void TVKAppDelegate::clickMediaListViewButton()
{
    if (m_rightViewMode == 0)
        return;
    m_rightViewMode = 0;
    updateSideViewButton();
    emit rightViewModeChanged(m_rightViewMode);
}

void TVKAppDelegate::clickMapViewButton()
{
    if (m_rightViewMode == 1)
        return;
    m_rightViewMode = 1;
    updateSideViewButton();
    emit rightViewModeChanged(m_rightViewMode);
}

void TVKAppDelegate::updateSideViewButton()
{
    const bool list = m_rightViewMode == 0;
    m_ui.recordButton->setImageName(list ? QStringLiteral("record_p") : QStringLiteral("record_n"));
    m_ui.informationButton->setImageName(list ? QStringLiteral("information_n")
                                              : QStringLiteral("information_p"));
    m_ui.mapContainerView->setVisible(!list);
    m_ui.mediaListTableView->setVisible(list);
    layoutMapContainer();
}

void TVKAppDelegate::layoutMapContainer()
{
    // The map panel fills the list's place; its bottom strip keeps its height.
    if (m_ui.mapContainerView->isVisible())
        m_ui.mapContainerView->raise();
}

void TVKAppDelegate::openFolder(const QString &folder)
{
    if (folder.isEmpty())
        return;
    m_ui.folderField->setText(QDir::toNativeSeparators(folder));
    m_ui.folderField->setToolTip(m_ui.folderField->text());
    m_mediaList->setDirectoryPath(folder);
    updateEmptyListNote();
}

void TVKAppDelegate::openMediaDirectoryDialog()
{
    const QString start = m_mediaList->directoryPath().isEmpty()
                              ? QStandardPaths::writableLocation(QStandardPaths::HomeLocation)
                              : m_mediaList->directoryPath();
    const QString folder = QFileDialog::getExistingDirectory(
        m_window, tvk::text("player.open_folder"), start, QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        openFolder(folder);
}

void TVKAppDelegate::closeWindow()
{
    m_window->close();
}

void TVKAppDelegate::mediaListChanged(TVKMediaList *)
{
    m_rightViewMode = 0;
    updateSideViewButton();
    m_model->reload();
    updateEmptyListNote();
    emit mediaListShown();
}

void TVKAppDelegate::updateEmptyListNote()
{
    QString note;
    if (m_mediaList->isWalking())
        note = tvk::text("player.reading_folder");
    else if (m_mediaList->count() == 0)
        note = m_mediaList->directoryPath().isEmpty()
                   ? tvk::text("player.no_folder")
                   : tvk::text("player.no_recordings");
    m_emptyListNote->setText(note);
    m_emptyListNote->setVisible(!note.isEmpty());
    m_emptyListNote->resize(m_ui.mediaListTableView->viewport()->size());
}
