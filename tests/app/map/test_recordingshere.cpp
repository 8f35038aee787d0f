// The card's index on the map, on the two-morning card: a click on the map asks the program
// over the page's channel, the passes come back grouped in the list beside the map, a double
// click asks for the right recording and moment, and "All drives" draws every drive.
#include "app/apptestsetup.h"
#include "app/controls/AppResources.h"
#include "app/index/CardIndexPanel.h"
#include "app/index/RecordingsHereList.h"
#include "app/telemetry/MapPageChannel.h"
#include "core/common/strings.h"
#include "core/index/passcard.h"
#include "mapprobe.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QWebEngineProfile>

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
            QCOMPARE(play.size(), i + 1);
            QCOMPARE(play.last().at(0).toString(), m_card.path() + u'/' + expected[i].path);
            QCOMPARE(play.last().at(1).toDouble(), expected[i].offsetSeconds);
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
