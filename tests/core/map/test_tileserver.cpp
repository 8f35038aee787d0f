// The tile server setting: which addresses pass, what a stored value that no longer passes
// becomes, and the page call that carries the address and the attribution.
#include "core/map/TileServer.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestTileServer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString settingsPath() const { return m_dir.filePath(QStringLiteral("prefs.ini")); }

private slots:
    void urlCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept"); // "!key" when refused
        QTest::newRow("empty: the default") << "  "
                                            << "";
        QTest::newRow("own server") << " https://tiles.example.org/{z}/{x}/{y}.png "
                                    << "https://tiles.example.org/{z}/{x}/{y}.png";
        QTest::newRow("sub-domains and port")
            << "http://{s}.tiles.lan:8080/osm/{z}/{x}/{y}.png?key=a"
            << "http://{s}.tiles.lan:8080/osm/{z}/{x}/{y}.png?key=a";
        QTest::newRow("no {y}") << "https://t.example.org/{z}/{x}.png"
                                << "!map.tile_url_places";
        QTest::newRow("a local file") << "file:///tiles/{z}/{x}/{y}.png"
                                      << "!map.tile_url_invalid";
        QTest::newRow("script") << "javascript:{z}{x}{y}"
                                << "!map.tile_url_invalid";
        QTest::newRow("no host") << "https:///{z}/{x}/{y}.png"
                                 << "!map.tile_url_invalid";
        QTest::newRow("an unknown place") << "https://t.example.org/{z}/{x}/{y}/{r}.png"
                                          << "!map.tile_url_invalid";
    }
    void urlCheck()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        const auto checked = tileserver::checkedUrlTemplate(typed);
        QCOMPARE(checked ? *checked : u'!' + QLatin1String(checked.failure().key), kept);
    }

    void storedAndLoaded_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("megabytes");
        QTest::addColumn<QString>("loadedUrl");
        QTest::addColumn<int>("loadedMegabytes");
        QTest::newRow("own server") << "https://t.example.org/{z}/{x}/{y}.png" << 500
                                    << "https://t.example.org/{z}/{x}/{y}.png" << 500;
        QTest::newRow("cache below the least") << "" << 1 << "" << TileServer::kMinCacheMegabytes;
        QTest::newRow("cache above the most")
            << "" << 99999 << "" << TileServer::kMaxCacheMegabytes;
    }
    void storedAndLoaded()
    {
        QFETCH(QString, url);
        QFETCH(int, megabytes);
        QSettings settings(settingsPath(), QSettings::IniFormat);
        settings.clear();
        TileServer server;
        server.urlTemplate = url;
        server.attribution = QStringLiteral("Tiles: our club");
        server.cacheMegabytes = megabytes;
        QVERIFY(tileserver::store(settings, server));
        const TileServer loaded = tileserver::load(settings);
        QTEST(loaded.urlTemplate, "loadedUrl");
        QTEST(loaded.cacheMegabytes, "loadedMegabytes");
        QCOMPARE(loaded.attribution, url.isEmpty() ? QString() : server.attribution);
    }

    // A value written by hand (or by an older version) that no longer passes is not used.
    void refusedStoredValueIsTheDefault()
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        settings.clear();
        settings.setValue(tileserver::kUrlKey, "javascript:alert({z}{x}{y})");
        settings.setValue(tileserver::kAttributionKey, "x");
        settings.setValue(tileserver::kCacheKey, "lots");
        QCOMPARE(tileserver::load(settings), TileServer());
        TileServer bad;
        bad.urlTemplate = QStringLiteral("ftp://t/{z}/{x}/{y}");
        QVERIFY(!tileserver::store(settings, bad));
        QCOMPARE(settings.value(tileserver::kUrlKey).toString(), "javascript:alert({z}{x}{y})");
    }

    void script_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("attribution");
        QTest::addColumn<QString>("script");
        QTest::newRow("default") << ""
                                 << ""
                                 << "setTileServer('', '')";
        QTest::newRow("plain") << "https://t.lan/{z}/{x}/{y}.png"
                               << "© Club"
                               << "setTileServer('https://t.lan/{z}/{x}/{y}.png', '© Club')";
        QTest::newRow("quotes and markup")
            << "https://t.lan/{z}/{x}/{y}.png?a='b'"
            << "</script><b>\"x\"\\"
            << "setTileServer('https://t.lan/{z}/{x}/{y}.png?a=\\u0027b\\u0027', "
               "'\\u003c/script\\u003e\\u003cb\\u003e\\u0022x\\u0022\\u005c')";
        QTest::newRow("line ends")
            << "" << QString::fromUtf16(u"a\nb\u2028c") << "setTileServer('', 'a\\u000ab\\u2028c')";
    }
    void script()
    {
        QFETCH(QString, url);
        QFETCH(QString, attribution);
        TileServer server;
        server.urlTemplate = url;
        server.attribution = attribution;
        QTEST(tileserver::script(server), "script");
    }
};

QTEST_GUILESS_MAIN(TestTileServer)
#include "test_tileserver.moc"
