// The player window's layout and looks on a desktop-sized offscreen screen, and again on the
// same screen at scale factor 2 (TVK_SCREEN_SCALE), where it folds: the window inside its
// screen, the borders that resize the borderless window, its frame kept on small screens, a
// click on the position groove, and the control row at the minimum size.
#include "PlayerWindowFixture.h"
#include "app/access/windowwalk.h"
#include "app/apptestsetup.h"
#include "app/controls/ElidedLabel.h"
#include "app/controls/ImageButton.h"
#include "app/controls/SeekSlider.h"
#include "app/player/CustomWindow.h"
#include "app/player/MediaItemDelegate.h"
#include "app/player/PlayerWindowUi.h"
#include "app/player/VideoView.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSettings>
#include <QSlider>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>

#include <fcntl.h>
#include <unistd.h>

Q_DECLARE_METATYPE(Qt::Edges)

#ifndef TVK_SCREEN_SCALE
#define TVK_SCREEN_SCALE 1
#endif

class TestWindowLooks : public QObject
{
    Q_OBJECT
public:
    static void initMain()
    {
        tvk::prepareApplicationEnvironment();
        useOffscreenScreen(1600, 1000);
        // As a user sets it for a laptop's screen.
        if (TVK_SCREEN_SCALE != 1)
            qputenv("QT_SCALE_FACTOR", QByteArray::number(TVK_SCREEN_SCALE));
    }

private:
    PlayerWindowFixture m_f;
    const PlayerWindowUi &ui() const { return m_f.app->ui(); }

private slots:
    void initTestCase()
    {
        initApplicationTest();
        // The window as users see it, with its style sheet.
        QFile style(QStringLiteral(":/style/tavik.qss"));
        QVERIFY(style.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(style.readAll()));
        QVERIFY(m_f.open({"alwa_20240131_120000_F.avi", "motion_20240131_120100_R.avi",
                          "event_20240131_120200_R.AVI"}));
        QVERIFY(QTest::qWaitForWindowExposed(m_f.app.get()));
    }

    // The window opens inside the free area of its screen, folded where that is narrower than
    // the usual frame; no control runs into another or out of the window, and no text is cut.
    void fitsItsScreen()
    {
        CustomWindow *window = m_f.app.get();
        const QRect available = window->screen()->availableGeometry();
        QCOMPARE(available.width(), 1600 / TVK_SCREEN_SCALE); // points, not pixels
        QVERIFY2(available.contains(window->frameGeometry()),
                 qPrintable(QString("%1x%2").arg(window->width()).arg(window->height())));
        QCOMPARE(ui().isFolded(), available.width() < CustomWindow::preferredFrameSize().width());
        QList<QWidget *> controls;
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            const auto *label = qobject_cast<QLabel *>(widget);
            if (widget->isVisible() &&
                (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QSlider *>(widget) ||
                 qobject_cast<QAbstractItemView *>(widget) || (label && !label->text().isEmpty()) ||
                 widget->objectName().endsWith(QLatin1String("BackgroundView"))))
                controls << widget;
        }
        QVERIFY(controls.size() > 20);
        const auto area = [window](const QWidget *w) {
            return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
        };
        QStringList faults;
        for (qsizetype i = 0; i < controls.size(); ++i) {
            if (!window->rect().contains(area(controls[i])))
                faults << controls[i]->objectName() + " leaves the window";
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                if (!controls[i]->isAncestorOf(controls[j]) &&
                    !controls[j]->isAncestorOf(controls[i]) &&
                    area(controls[i]).intersects(area(controls[j])))
                    faults << controls[i]->objectName() + " runs into " + controls[j]->objectName();
            }
        }
        faults << cutTexts(window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'|')));
    }

    void resizeEdges_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("smallest frame") << CustomWindow::minimumFrameSize();
        QTest::newRow("large frame") << QSize(1600, 1000);
    }

    // A press grabs the edges it is near, both at a corner, and none inside or outside; the
    // grip is narrow enough to leave the window's controls to their clicks.
    void resizeEdges()
    {
        QFETCH(QSize, size);
        const QRect frame(QPoint(0, 0), size);
        const QPoint centre = frame.center();
        QCOMPARE(CustomWindow::resizeEdges(centre, size), Qt::Edges());
        const struct
        {
            QPoint point;
            Qt::Edges edges;
        } cases[] = {{{0, centre.y()}, Qt::LeftEdge},
                     {{frame.right(), centre.y()}, Qt::RightEdge},
                     {{centre.x(), 0}, Qt::TopEdge},
                     {{centre.x(), frame.bottom()}, Qt::BottomEdge},
                     {frame.topLeft(), Qt::TopEdge | Qt::LeftEdge},
                     {frame.topRight(), Qt::TopEdge | Qt::RightEdge},
                     {frame.bottomLeft(), Qt::BottomEdge | Qt::LeftEdge},
                     {frame.bottomRight(), Qt::BottomEdge | Qt::RightEdge},
                     {{-1, centre.y()}, {}},
                     {{centre.x(), frame.bottom() + 1}, {}}};
        for (const auto &c : cases) {
            QCOMPARE(CustomWindow::resizeEdges(c.point, size), c.edges);
            // Every edge is left behind 8 points in from a side, 30 from a corner.
            const QPointF towards = centre - c.point;
            const double step = qPopulationCount(uint(c.edges.toInt())) == 1 ? 8 : 30;
            const QPoint inwards =
                c.point + (towards * step / std::hypot(towards.x(), towards.y())).toPoint();
            if (frame.contains(c.point))
                QCOMPARE(CustomWindow::resizeEdges(inwards, size), Qt::Edges());
        }
    }

    void framesStayOnTheScreen_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("frame");
        QTest::newRow("desktop") << QRect(0, 0, 1600, 1000) << QRect(100, 100, 800, 600);
        QTest::newRow("top panel") << QRect(0, 32, 1920, 1048) << QRect(1500, 900, 1020, 640);
        // 1600 x 1000 at a scale factor of 2 leaves 800 x 500 points.
        QTest::newRow("scale 2") << QRect(0, 0, 800, 500) << QRect(-50, 30, 800, 500);
        QTest::newRow("scale 2 with a panel") << QRect(0, 24, 800, 476) << QRect(0, 0, 900, 600);
        QTest::newRow("only narrow") << QRect(10, 0, 900, 1000) << QRect(290, 180, 1428, 896);
    }

    // The first frame is the usual one or what fits of it, centred; a zoomed frame moves (never
    // shrinks) to show as much as fits, its top-left corner always on the screen.
    void framesStayOnTheScreen()
    {
        QFETCH(QRect, available);
        QFETCH(QRect, frame);
        const QRect first =
            CustomWindow::frameCentredIn(available, CustomWindow::preferredFrameSize());
        QVERIFY(available.contains(first));
        QCOMPARE(first.size(), CustomWindow::preferredFrameSize().boundedTo(available.size()));
        QVERIFY(std::abs((first.left() - available.left()) - (available.right() - first.right())) <=
                1);
        QVERIFY(std::abs((first.top() - available.top()) - (available.bottom() - first.bottom())) <=
                1);

        const QRect kept = CustomWindow::keptInside(frame, available);
        QCOMPARE(kept.size(), frame.size());
        QVERIFY(available.contains(kept.topLeft()));
        if (available.contains(frame))
            QCOMPARE(kept, frame);
        const QRect shown = kept & available;
        QCOMPARE(shown.size(), frame.size().boundedTo(available.size()));
    }

    void doubleClickOnTheHeadBarMaximisesAndRestores()
    {
        CustomWindow *window = m_f.app.get();
        const QRect frame = window->geometry();
        QTest::mouseDClick(ui().titleLabel, Qt::LeftButton);
        QTRY_VERIFY(window->isMaximized());
        QTest::mouseDClick(ui().folderField, Qt::LeftButton);
        QTRY_VERIFY(!window->isMaximized());
        QTRY_COMPARE(window->geometry(), frame);
    }

    void clickOnTheGrooveJumpsThere_data()
    {
        QTest::addColumn<double>("fraction");
        QTest::newRow("near the start") << 0.1;
        QTest::newRow("three quarters") << 0.75;
        QTest::newRow("near the end") << 0.95;
    }

    void clickOnTheGrooveJumpsThere()
    {
        QFETCH(double, fraction);
        QSlider *slider = ui().videoPositionSlider;
        // No recording plays, so the slider waits disabled: only its own response is looked at.
        QSignalBlocker quiet(slider);
        slider->setEnabled(true);
        slider->setValue(0);
        const QPoint point(int(slider->width() * fraction), slider->height() / 2);
        QTest::mouseClick(slider, Qt::LeftButton, {}, point);
        QCOMPARE(slider->value(), static_cast<SeekSlider *>(slider)->valueAt(point));
        // Within a handle's half width of the click.
        QVERIFY2(std::abs(slider->value() / 10000.0 - fraction) < 10.0 / slider->width(),
                 qPrintable(QString::number(slider->value())));
    }

    // Every control of the row below the video keeps its own place at the smallest frame.
    void controlRowFitsAtTheMinimumSize()
    {
        // The fullest row: a pair plays, so the sound choice shows too.
        ui().audioToggleButton->show();
        m_f.app->resize(CustomWindow::minimumFrameSize());
        QTRY_COMPARE(m_f.app->size(), CustomWindow::minimumFrameSize());
        QWidget *row = ui().volumeSlider->parentWidget();
        QList<QWidget *> shown;
        for (QWidget *child : row->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible() && child->y() > ui().videoPositionSlider->y())
                shown << child;
        }
        std::sort(shown.begin(), shown.end(),
                  [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
        QVERIFY(shown.size() > 10);
        for (qsizetype i = 1; i < shown.size(); ++i) {
            QVERIFY2(
                shown[i - 1]->geometry().right() < shown[i]->x(),
                qPrintable(shown[i - 1]->objectName() + " runs into " + shown[i]->objectName()));
        }
        QVERIFY(shown.last()->geometry().right() < row->width());
        QVERIFY(ui().volumeSlider->width() >= ui().volumeSlider->minimumWidth());
    }

    // At the smallest frame every file name shows whole beside the other three columns.
    void listShowsWholeNamesAtTheMinimumSize()
    {
        m_f.app->resize(CustomWindow::minimumFrameSize());
        QTableView *table = ui().mediaListTableView;
        QTRY_COMPARE(m_f.app->size(), CustomWindow::minimumFrameSize());
        QHeaderView *header = table->horizontalHeader();
        int used = 0;
        for (int column = 0; column < 4; ++column)
            used += header->sectionSize(column);
        QVERIFY2(used <= table->viewport()->width(),
                 qPrintable(QString("%1 > %2").arg(used).arg(table->viewport()->width())));
        for (int column : {1, 2}) // date and time whole too
            QVERIFY(header->sectionSize(column) >=
                    static_cast<QAbstractItemView *>(table)->sizeHintForColumn(column));
        QStyleOptionViewItem option;
        option.initFrom(table);
        option.font = table->font();
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            const QModelIndex cell = table->model()->index(row, 3);
            const int needed = table->itemDelegate()->sizeHint(option, cell).width();
            QVERIFY2(header->sectionSize(3) >= needed, qPrintable(cell.data().toString()));
            // Wider than a plain rendering of the name, so no cut either way.
            QVERIFY(needed >=
                    QFontMetrics(table->font()).horizontalAdvance(cell.data().toString()));
        }
        QVERIFY(m_f.app->mediaList()->count() > 0);
    }

    // The list by trip looks like the flat list: its cells drawn alike, dates and times whole.
    void tripTreeShowsDatesAndTimesWhole()
    {
        auto *byTrip = m_f.app->findChild<QToolButton *>("tripListButton");
        auto *tree = m_f.app->findChild<QTreeView *>("tripListView");
        QVERIFY(byTrip && tree);
        byTrip->setChecked(true);
        QTRY_VERIFY(tree->isVisible() && tree->model()->rowCount() > 0);
        tree->expandAll();
        QVERIFY(qobject_cast<MediaItemDelegate *>(tree->itemDelegate()));
        const auto *view = static_cast<QAbstractItemView *>(tree);
        for (int column : {1, 2}) {
            QTRY_VERIFY2(tree->header()->sectionSize(column) >= view->sizeHintForColumn(column),
                         qPrintable(QString::number(column)));
        }
        // Neither list sorts: their headers must not look like buttons.
        QVERIFY(!tree->header()->sectionsClickable());
        QVERIFY(!ui().mediaListTableView->horizontalHeader()->sectionsClickable());
        byTrip->setChecked(false);
        QVERIFY(!tree->isVisible());
    }

    // Fill is a choice on the view, the same for both views and kept for the next run.
    void fillChoiceIsRemembered()
    {
        QSettings().remove("video/fillView");
        QVERIFY(!VideoView::storedFillScreen()); // the whole picture unless chosen
        auto *front = m_f.app->ui().videoContainerView->findChild<VideoView *>();
        auto *rear = m_f.app->ui().subVideoHost->findChild<VideoView *>();
        QVERIFY(front && rear);
        front->fillButton()->click();
        QVERIFY(front->fillScreen() && rear->fillScreen());
        QVERIFY(VideoView::storedFillScreen());
        rear->fillButton()->click();
        QVERIFY(!front->fillScreen() && !rear->fillScreen());
        QVERIFY(!VideoView::storedFillScreen());
    }

    // A folder's problems stand below its rows: the last row stays in sight.
    void problemsOfAListedFolderLeaveTheRowsInSight()
    {
        QTemporaryDir other;
        QStringList names;
        for (int i = 0; i < 40; ++i)
            names << QString("alwa_20240131_12%1").arg(i, 2, 10, QChar('0')) + "00_F.avi";
        for (const QString &name : names)
            QVERIFY(writeFile(other.filePath(name), {}));
        const QByteArray unnamed = QFile::encodeName(other.path()) + "/alwa_20240131_1\xff"
                                                                     "0000_F.avi";
        const int fd = ::creat(unnamed.constData(), 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        m_f.app->openFolder(other.path());
        QTRY_COMPARE(m_f.app->mediaList()->count(), names.size());
        auto *note = m_f.app->findChild<QLabel *>("listProblemNote");
        QTRY_VERIFY(note && note->isVisible());
        QVERIFY(note->text().contains("UTF-8"));
        QTableView *table = ui().mediaListTableView;
        table->scrollToBottom();
        const QRect last = table->visualRect(table->model()->index(names.size() - 1, 3));
        const int lastBottom = table->viewport()->mapTo(m_f.app.get(), last.bottomLeft()).y();
        const int noteTop = note->mapTo(m_f.app.get(), QPoint(0, 0)).y();
        QVERIFY2(lastBottom < noteTop,
                 qPrintable(QString("%1 >= %2").arg(lastBottom).arg(noteTop)));
        m_f.app->openFolder(m_f.dir.path());
        QTRY_VERIFY(!note->isVisible());
        ::unlink(unnamed.constData()); // a name Qt cannot hold, so not removed with the folder
    }

    void cleanupTestCase() { m_f.app.reset(); }
};

QTEST_MAIN(TestWindowLooks)
#include "test_windowlooks.moc"
