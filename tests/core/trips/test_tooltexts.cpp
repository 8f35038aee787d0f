// The texts of trips, clock, drv and evidence come from the string table: under a Korean
// locale every message and the evidence report read in Korean, and no English word of ours is
// left in them.
#include "tripcard.h"
#include "writers/cardfiles/drivingrecordwriter.h"

#include <QRegularExpression>

class TestToolTexts : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_front;

    static QProcessEnvironment koreanLocale()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LANGUAGE"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("ko_KR.UTF-8"));
        env.insert(QStringLiteral("LC_MESSAGES"), QStringLiteral("ko_KR.UTF-8"));
        return env;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(writeCardSettings(m_dir.path(), 28, false));
        m_front = writeCardRecording(m_dir.path(), "alwa_20261017_083000_F", 30, 9 * 3600, 4.0);
        QVERIFY(!m_front.isEmpty());
        QVERIFY(writeFile(m_dir.filePath("short.drv"),
                          drivingRecordFileBytes(sampleDrivingRecords(2), 9)));
        QVERIFY(QDir().mkpath(m_dir.filePath("taken/x")));
    }

    void koreanEverywhere_data()
    {
        QTest::addColumn<QStringList>("args"); // "CARD" and "FRONT" stand for the test's files
        QTest::addColumn<QString>("read");     // "out", "err" or a file the command writes
        QTest::addColumn<QString>("korean");
        QTest::addColumn<QString>("english"); // today's English words, gone in Korean
        QTest::newRow("trips") << QStringList{"trips", "CARD"} << "out"
                               << "주행 1건"
                               << "1 trips";
        QTest::newRow("trips, output refused")
            << QStringList{"trips", "CARD", "--gpx", "CARD/taken"} << "err"
            << "일반 파일이 아니어서"
            << "not replaced";
        QTest::newRow("clock") << QStringList{"clock", "CARD"} << "out"
                               << "카메라 시계가 4.0초 빠릅니다"
                               << "median offset";
        QTest::newRow("clock, no folder") << QStringList{"clock", "FRONT"} << "err"
                                          << "폴더가 아닙니다"
                                          << "not a folder";
        QTest::newRow("drv, truncated") << QStringList{"drv", "CARD/short.drv"} << "err"
                                        << "파일에는 2개가"
                                        << "the header promises";
        QTest::newRow("evidence, refused")
            << QStringList{"evidence", "FRONT", "CARD/taken"} << "err"
            << "증거를 쓰지 못했습니다"
            << "evidence not written";
        QTest::newRow("a command's help") << QStringList{"find", "--help"} << "out"
                                          << "차가 한 장소를 지나간"
                                          << "Lists every pass";
        QTest::newRow("Qt's own words of the help") << QStringList{"find", "--help"} << "out"
                                                    << "옵션:"
                                                    << "Options:";
        QTest::newRow("an option's help, with its default")
            << QStringList{"find", "--help"} << "out"
            << "(기본값 50)"
            << "in metres";
        QTest::newRow("a refused command line") << QStringList{"list", "CARD", "CARD"} << "err"
                                                << "예상하지 못한 인자"
                                                << "unexpected argument";
        QTest::newRow("an unknown command") << QStringList{"nosuch"} << "err"
                                            << "알 수 없는 명령"
                                            << "unknown command";
        QTest::newRow("evidence report")
            << QStringList{"evidence", "FRONT", "CARD/ev"} << "CARD/ev/report.html"
            << "GPS와 비교한 카메라 시계"
            << "Camera clock against GPS";
    }

    void koreanEverywhere()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, read);
        QFETCH(QString, korean);
        QFETCH(QString, english);
        args.replaceInStrings(QStringLiteral("CARD"), m_dir.path());
        args.replaceInStrings(QStringLiteral("FRONT"), m_front);
        const ProcessRun run = runTool(args, koreanLocale());
        const QString text = QString::fromUtf8(
            read == "out" ? run.out
            : read == "err"
                ? run.err
                : readFile(QString(read).replace(QStringLiteral("CARD"), m_dir.path())));
        QVERIFY2(text.contains(korean), qPrintable(text));
        QVERIFY2(!text.contains(english), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestToolTexts)
#include "test_tooltexts.moc"
