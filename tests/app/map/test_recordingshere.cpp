// The card's index on the map, on the two-morning card: a click on the map asks the program
// over the page's channel, the passes come back grouped in the list beside the map, a double
// click or Enter asks for the right recording and moment, "All drives" draws every drive, and
// the list placed as the window places it reads well and leaves the map whole.
#include "app/apptestsetup.h"
#include "app/controls/AppResources.h"
#include "app/index/CardIndexPanel.h"
#include "app/index/RecordingsHereList.h"
#include "app/telemetry/MapPageChannel.h"
#include "core/common/strings.h"
#include "core/index/passcard.h"
#include "mapprobe.h"

#include <QAbstractButton>
#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QWebEngineProfile>

#include <cmath>
#include <memory>

class TestRecordingsHere : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        QStandardPaths::setTestModeEnabled(true);
        useOwnUserDefaults();
        tvk::initAppResources();
    }

private:
    TileBlocker m_blocker;
    QTemporaryDir m_card, m_cache;
    std::unique_ptr<QWidget> m_host;
    MapView *m_view = nullptr;
    CardIndexPanel *m_panel = nullptr;

    // A click on the map where the place is, then on the offer the page makes there.
    // WCAG's contrast ratio of two colours, 1 to 21.
    static double contrast(const QColor &a, const QColor &b)
    {
        const auto luminance = [](const QColor &c) {
            const auto linear = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
                   0.0722 * linear(c.blueF());
        };
        const double la = luminance(a), lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    }

    void clickOffer(double latitude, double longitude)
    {
        evaluate(*m_view, QStringLiteral("routeMap.fire('click', {latlng: L.latLng(%1, %2)});"
                                         "var offers = document.querySelectorAll('.place-offer');"
                                         "offers[offers.length - 1].click(); true")
                              .arg(latitude, 0, 'f', 7)
                              .arg(longitude, 0, 'f', 7));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(tvk::installStringTable());
        QVERIFY(m_card.isValid() && m_cache.isValid());
        QVERIFY(DemoPassCard::write(m_card.path()));
        m_host = std::make_unique<QWidget>();
        m_view = new MapView(m_host.get());
        m_view->page()->profile()->setUrlRequestInterceptor(&m_blocker);
        m_panel = new CardIndexPanel(m_view, m_host.get(), m_cache.path(), m_host.get());
        m_view->setGeometry(0, 0, 600, 500);
        m_panel->passPanel()->setGeometry(600, 0, 400, 500);
        m_panel->allDrivesButton()->move(8, 470);
        m_host->resize(1000, 500);
        m_host->show();
        QVERIFY(waitForPage(*m_view));
        QSignalSpy current(m_panel, &CardIndexPanel::indexCurrent);
        m_panel->setFolder(m_card.path());
        QVERIFY(current.wait(120000));
        QCOMPARE(current.first().at(0).toString(), m_card.path());
        QVERIFY(m_panel->progressLine()->isHidden());
    }

    void cleanupTestCase()
    {
        m_host.reset();
        MapView probe;
        probe.page()->profile()->setUrlRequestInterceptor(nullptr);
    }

    void channelReachesTheProgram()
    {
        QTRY_VERIFY_WITH_TIMEOUT(
            evaluate(*m_view, QStringLiteral("placesState().channel")).toBool(), 20000);
        QCOMPARE(evaluate(*m_view, QStringLiteral("placesState().offer")).toString(),
                 QStringLiteral("Recordings here"));
        // Only the one object is published, and numbers that are no place are dropped there.
        QCOMPARE(evaluate(*m_view, QStringLiteral("typeof qt.webChannelTransport")).toString(),
                 QStringLiteral("object"));
        QSignalSpy asked(m_view, &MapView::recordingsHereRequested);
        m_view->pageChannel()->recordingsHere(91, 0);
        m_view->pageChannel()->recordingsHere(qQNaN(), 0);
        QCOMPARE(asked.size(), 0);
    }

    void passesFromAClick_data()
    {
        QTest::addColumn<double>("metres");
        // 300 m is passed by both mornings, 50 m by the first only, 720 m by the second only.
        QTest::newRow("both mornings") << 300.0;
        QTest::newRow("first morning") << 50.0;
        QTest::newRow("second morning") << 720.0;
    }

    void passesFromAClick()
    {
        QFETCH(double, metres);
        const auto [latitude, longitude] = DemoPassCard::placeAt(metres);
        QSignalSpy shown(m_panel, &CardIndexPanel::passesShown);
        clickOffer(latitude, longitude);
        // The answer may come while the click's script still runs.
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, 20000);
        const auto passes = shown.first().at(0).value<QList<PassGroup>>();
        const QList<DemoPassCard::Moment> expected = DemoPassCard::frontMomentsAt(metres);
        QCOMPARE(passes.size(), expected.size());
        RecordingsHereList *list = m_panel->passList();
        QVERIFY(m_panel->passPanel()->isVisible());
        QCOMPARE(list->topLevelItemCount(), int(expected.size()));
        const QVariantMap state = evaluate(*m_view, QStringLiteral("placesState()")).toMap();
        QCOMPARE(state["radius"].toDouble(), kDefaultPassRadiusMetres);

        QSignalSpy play(m_panel, &CardIndexPanel::playRequested);
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem *row = list->topLevelItem(i);
            QCOMPARE(row->text(0),
                     expected[i].time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
            QCOMPARE(row->text(1), QStringLiteral("36 km/h"));
            list->scrollToItem(row);
            const QPoint at = list->visualItemRect(row).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                               list->visualItemRect(row).center());
            QCOMPARE(play.size(), 2 * i + 1);
            QCOMPARE(play.last().at(0).toString(), m_card.path() + u'/' + expected[i].path);
            QCOMPARE(play.last().at(1).toDouble(), expected[i].offsetSeconds);
            // Enter on the chosen row asks for the same.
            QTest::keyClick(list, Qt::Key_Return);
            QCOMPARE(play.size(), 2 * i + 2);
            QCOMPARE(play.last(), play.at(play.size() - 2));
        }
    }

    void nothingPassedFarAway()
    {
        QSignalSpy shown(m_panel, &CardIndexPanel::passesShown);
        clickOffer(35.1796, 129.0756);
        // The answer may come while the click's script still runs.
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, 20000);
        QVERIFY(shown.first().at(0).value<QList<PassGroup>>().isEmpty());
        QCOMPARE(m_panel->passList()->topLevelItemCount(), 0);
    }

    void allDrives()
    {
        QSignalSpy shown(m_panel, &CardIndexPanel::drivesShown);
        m_panel->allDrivesButton()->click();
        // The answer may come while the click's script still runs.
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, 20000);
        const QList<DemoPassCard::Drive> drives = DemoPassCard::drives();
        QCOMPARE(shown.first().at(0).value<qsizetype>(), drives.size());
        int recordings = 0;
        for (const DemoPassCard::Drive &drive : drives)
            recordings += drive.recordings;
        QVariantMap state = evaluate(*m_view, QStringLiteral("placesState()")).toMap();
        QCOMPARE(state["drives"].toInt(), int(drives.size()));
        QCOMPARE(state["lines"].toInt(), recordings);
        m_panel->allDrivesButton()->click();
        state = evaluate(*m_view, QStringLiteral("placesState()")).toMap();
        QCOMPARE(state["drives"].toInt(), 0);
    }

    void looksLikeTheWindow_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("en");
        QTest::newRow("Korean") << QStringLiteral("ko");
    }

    // The list as the window places it, under the map in the map's area at the window's usual
    // size, on the window's style: the list reads as the recording list does, its count and
    // close button stand out, and the map keeps its notice and grid labels whole.
    void looksLikeTheWindow()
    {
        QFETCH(QString, language);
        const auto restore = qScopeGuard([] {
            tvk::setChosenLanguage(QStringLiteral("en"));
            (void)tvk::installStringTable();
            qApp->setStyleSheet({});
        });
        tvk::setChosenLanguage(language);
        QVERIFY(tvk::installStringTable());
        QFile style(QStringLiteral(":/style/tavik.qss"));
        QVERIFY(style.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(style.readAll()));

        QWidget area;
        area.setObjectName(QStringLiteral("backgroundBox"));
        auto *grid = new QGridLayout(&area);
        grid->setContentsMargins(0, 0, 0, 0);
        auto *map = new MapView(&area);
        grid->addWidget(map);
        CardIndexPanel panel(map, &area, m_cache.path());
        grid->addWidget(panel.passPanel(), 1, 0);
        // The recording list it should look like, hidden.
        QTableView recordings(&area);
        recordings.setObjectName(QStringLiteral("mediaListTableView"));
        recordings.ensurePolished();
        area.resize(334, 218);
        area.show();
        QVERIFY(waitForPage(*map));
        QSignalSpy current(&panel, &CardIndexPanel::indexCurrent);
        panel.setFolder(m_card.path());
        QVERIFY(current.wait(120000));
        QSignalSpy shown(&panel, &CardIndexPanel::passesShown);
        const auto [latitude, longitude] = DemoPassCard::placeAt(300);
        panel.searchPlace(latitude, longitude);
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, 20000);
        QWidget *passes = panel.passPanel();
        QVERIFY(passes->isVisible());
        RecordingsHereList *list = panel.passList();
        QVERIFY(list->topLevelItemCount() > 0);

        // The list reads as the recording list: the same ground and text, well apart.
        const QPalette rows = list->palette();
        QCOMPARE(rows.color(QPalette::Base), recordings.palette().color(QPalette::Base));
        QCOMPARE(rows.color(QPalette::Text), recordings.palette().color(QPalette::Text));
        QVERIFY2(contrast(rows.color(QPalette::Text), rows.color(QPalette::Base)) >= 7,
                 qPrintable(rows.color(QPalette::Text).name()));
        // The count and the close button stand out on the panel's ground.
        const QColor ground = passes->palette().color(QPalette::Window);
        auto *title = passes->findChild<QLabel *>(QStringLiteral("recordingsHereTitle"));
        QVERIFY(title);
        QVERIFY2(contrast(title->palette().color(QPalette::WindowText), ground) >= 7,
                 qPrintable(title->palette().color(QPalette::WindowText).name()));
        auto *close = passes->findChild<QAbstractButton *>(QStringLiteral("closePassesButton"));
        QVERIFY(close && close->isVisible());
        QVERIFY(contrast(close->palette().color(QPalette::ButtonText),
                         close->palette().color(QPalette::Button)) >= 4.5);
        QVERIFY(close->width() >= 16 && close->height() >= 16);
        // The count and the column names whole.
        QVERIFY(title->text().contains(QString::number(list->topLevelItemCount())));
        QVERIFY2(title->contentsRect().width() >=
                     title->fontMetrics().horizontalAdvance(title->text()),
                 qPrintable(title->text()));
        for (int column = 0; column < list->columnCount(); ++column)
            QVERIFY(list->header()->sectionSize(column) >= list->header()->sectionSizeHint(column));
        QVERIFY(list->header()->length() <= list->viewport()->width());

        // The map above the list, beside nothing of it, and tall enough that its offline
        // notice and zoom buttons end above the band of its grid labels.
        QVERIFY(passes->geometry().top() > map->geometry().bottom());
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(*map, QStringLiteral("window.innerHeight")).toInt(),
                                  map->height(), 10000);
        // The place asked about stays in sight on the smaller map.
        QTRY_VERIFY_WITH_TIMEOUT(
            evaluate(*map, QStringLiteral("routeMap.getBounds().contains(placesState().place)"))
                .toBool(),
            10000);
        QTRY_VERIFY_WITH_TIMEOUT(mapState(*map)["offline"].toBool(), 15000);
        const double labelBand = map->height() - 18;
        QVERIFY2(mapState(*map)["offlineNoteBottom"].toDouble() <= labelBand,
                 qPrintable(QString::number(map->height())));
        const double zoomBottom =
            evaluate(*map, QStringLiteral("document.querySelector('.leaflet-control-zoom')"
                                          ".getBoundingClientRect().bottom"))
                .toDouble();
        QVERIFY2(
            zoomBottom <= labelBand,
            qPrintable(
                QStringLiteral("zoom buttons end at %1 of %2").arg(zoomBottom).arg(map->height())));

        // Escape in the list closes it, as its button does.
        area.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&area));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(passes->isHidden());
    }

    // Pictures of both views for a person to look at, on request only.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("TAVIK_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("TAVIK_SCREENSHOT_DIR not set");
        const auto save = [&](const QString &name) {
            QTest::qWait(1500); // the page paints on its own
            return m_host->grab().save(folder + u'/' + name);
        };
        const auto [latitude, longitude] = DemoPassCard::placeAt(300);
        QSignalSpy shown(m_panel, &CardIndexPanel::passesShown);
        clickOffer(latitude, longitude);
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, 20000);
        evaluate(*m_view, QStringLiteral("routeMap.setView(L.latLng(%1, %2), 17); "
                                         "routeMap.fire('click', {latlng: L.latLng(%1, %2)}); true")
                              .arg(latitude, 0, 'f', 7)
                              .arg(longitude, 0, 'f', 7));
        QVERIFY(save(QStringLiteral("recordings-here.png")));
        m_panel->allDrivesButton()->click();
        QVERIFY(save(QStringLiteral("all-drives.png")));
    }
};

QTEST_MAIN(TestRecordingsHere)
#include "test_recordingshere.moc"
