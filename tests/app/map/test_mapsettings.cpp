// The Map dialog: the tile server it stores, what it refuses, and the map page pointed at the
// server chosen, with the user's attribution shown as text.
#include "app/apptestsetup.h"
#include "app/telemetry/MapSettingsDialog.h"
#include "core/map/TileServer.h"
#include "mapprobe.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>

class TestMapSettings : public QObject
{
    Q_OBJECT

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    void initTestCase() { initApplicationTest(); }

    void stores_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("note");
        QTest::newRow("own server") << "https://tiles.lan/{z}/{x}/{y}.png" << true << "";
        QTest::newRow("default") << "" << true << "";
        QTest::newRow("no places")
            << "https://tiles.lan/tile.png" << false << tvk::text("map.tile_url_places");
    }
    void stores()
    {
        QFETCH(QString, url);
        QFETCH(bool, accepted);
        QSettings().remove(QStringLiteral("map"));
        // Opened from the map's menu, as the user does.
        MapView view;
        view.findChild<QAction *>("mapSettingsAction")->trigger();
        auto *dialog = view.findChild<MapSettingsDialog *>();
        QVERIFY(dialog);
        dialog->findChild<QLineEdit *>("tileUrl")->setText(url);
        dialog->findChild<QLineEdit *>("tileAttribution")->setText("Club tiles");
        dialog->findChild<QSpinBox *>("cacheMegabytes")->setValue(300);
        dialog->accept();
        QCOMPARE(dialog->result() == QDialog::Accepted, accepted);
        auto *note = dialog->findChild<QLabel *>("mapSettingsNote");
        QTEST(note->isVisible() ? note->text() : QString(), "note");
        const TileServer stored = tileserver::load(QSettings());
        QCOMPARE(stored.urlTemplate, accepted ? url : QString());
        QCOMPARE(stored.cacheMegabytes, accepted ? 300 : TileServer::kDefaultCacheMegabytes);
        if (accepted)
            QCOMPARE(MapView::tileCacheLimit(), 300 * 1024 * 1024);
    }

    // The page takes the server's address and shows the attribution as text, not as markup.
    void pageFollows()
    {
        QSettings().remove(QStringLiteral("map"));
        MapView view;
        view.resize(400, 300);
        view.show();
        QVERIFY(waitForPage(view));
        TileServer server;
        server.urlTemplate = QStringLiteral("https://tiles.invalid/{z}/{x}/{y}.png");
        server.attribution = QStringLiteral("<b>Club</b> tiles");
        MapView::useTileServer(server);
        QCOMPARE(evaluate(view, "routeMap.attributionControl.getContainer().textContent")
                     .toString()
                     .contains("<b>Club</b> tiles"),
                 true);
        QTRY_VERIFY(mapState(view).value("offline").toBool());
        MapView::useTileServer(TileServer());
        QVERIFY(evaluate(view, "routeMap.attributionControl.getContainer().textContent")
                    .toString()
                    .contains("OpenStreetMap"));
    }
};

QTEST_MAIN(TestMapSettings)
#include "test_mapsettings.moc"
