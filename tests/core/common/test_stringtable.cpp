// Every text key the code looks up has an English text, and the language step of the
// start-up logs and stores the preferred languages.
#include "core/common/cformat.h"
#include "core/common/log.h"
#include "core/common/result.h"
#include "core/common/strings.h"
#include "core/coretestsetup.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

class TestStringTable : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(initCoreTest()); }

    void everyKeyUsedInTheCodeHasAText()
    {
        // Keys reach the table through these calls and failures, or are marked where they are
        // stored in tables of their own; the tool's help texts are keys looked up late.
        static const QRegularExpression use(
            QStringLiteral("(?:(?:\\btext|\\btextFmt|qtTrId|QT_TRID_NOOP)\\(|Failure\\{|fail\\(\\{)"
                           "\\s*\"([^\"]+)\"|"
                           "QStringLiteral\\(\"(tool\\.help\\.[^\"]+)\""));
        QTranslator table;
        QVERIFY(table.load(QStringLiteral(":/i18n/tavik_en.qm")));
        QStringList missing;
        int keys = 0;
        for (const char *root : {"/src"}) {
            QDirIterator it(QLatin1String(TAVIK_SOURCE_DIR) + QLatin1String(root),
                            {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QString source = QString::fromUtf8(file.readAll());
                for (const auto &match : use.globalMatch(source)) {
                    const QByteArray key =
                        (match.hasCaptured(1) ? match.captured(1) : match.captured(2)).toUtf8();
                    ++keys;
                    // Some texts are the key itself ("English"): ask the table, not qtTrId.
                    if (table.translate(nullptr, key.constData()).isEmpty())
                        missing << QStringLiteral("%1 (%2)").arg(QLatin1String(key),
                                                                 file.fileName());
                }
            }
        }
        QVERIFY(keys > 0);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String("\n"))));
    }

    void failureArgumentsAreFilledInOnce()
    {
        // A name that holds "%2" is the user's, not a place for the next argument.
        const tvk::Failure failure{"tool.democard_bad_length", {}, {}, {"a%2b", "%1"}};
        QCOMPARE(failure.message(),
                 QStringLiteral("--a%2b: bad value \"%1\" (recordings last 4 s to 60 min)"));
    }

    void everyTextHasAKoreanTextWithTheSamePlaceholders()
    {
        QTranslator english;
        QTranslator korean;
        QVERIFY(english.load(QStringLiteral(":/i18n/tavik_en.qm")));
        QVERIFY(korean.load(QStringLiteral(":/i18n/tavik_ko.qm")));
        QFile ts(QLatin1String(TAVIK_SOURCE_DIR) + QLatin1String("/translations/tavik_en.ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        static const QRegularExpression id(QStringLiteral("<message id=\"([^\"]+)\""));
        static const QRegularExpression placeholder(QStringLiteral("%\\d"));
        auto placeholders = [](const QString &text) {
            QStringList found;
            for (const auto &match : placeholder.globalMatch(text))
                found << match.captured();
            found.sort();
            found.removeDuplicates();
            return found;
        };
        QStringList faults;
        for (const auto &match : id.globalMatch(QString::fromUtf8(ts.readAll()))) {
            const QByteArray key = match.captured(1).toUtf8();
            const QString en = english.translate(nullptr, key.constData());
            const QString ko = korean.translate(nullptr, key.constData());
            if (ko.isEmpty())
                faults << QStringLiteral("%1: no Korean text").arg(QLatin1String(key));
            else if (placeholders(en) != placeholders(ko))
                faults << QStringLiteral("%1: %2 against %3").arg(QLatin1String(key), ko, en);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("\n"))));
    }

    // A Korean text made for an older English one says what the English no longer says.
    void koreanTranslatesTheEnglishOfToday()
    {
        // An id given twice is shown with one of its texts, which the tables do not say.
        QStringList twice;
        const auto sources = [&twice](const char *name) {
            QFile ts(QLatin1String(TAVIK_SOURCE_DIR "/translations/") + QLatin1String(name));
            QMap<QString, QString> found;
            if (!ts.open(QIODevice::ReadOnly))
                return found;
            QXmlStreamReader xml(&ts);
            QString id;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == u"message") {
                    id = xml.attributes().value(QLatin1String("id")).toString();
                } else if (xml.name() == u"source") {
                    if (found.contains(id))
                        twice << QLatin1String(name) + u':' + id;
                    found.insert(id, xml.readElementText());
                }
            }
            return found;
        };
        const QMap<QString, QString> english = sources("tavik_en.ts");
        const QMap<QString, QString> korean = sources("tavik_ko.ts");
        QVERIFY(english.size() > 500);
        QVERIFY2(twice.isEmpty(), qPrintable(twice.join(u' ')));
        QStringList stale;
        for (auto it = korean.begin(); it != korean.end(); ++it) {
            if (english.value(it.key()) != it.value())
                stale << it.key();
        }
        QVERIFY2(stale.isEmpty(), qPrintable(stale.join(u' ')));
    }

    void languageFollowsTheChoiceThenTheSystem_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("expected");
        QTest::newRow("system Korean") << "" << QStringList{"ko-KR", "en-US"} << "ko";
        QTest::newRow("POSIX form") << "" << QStringList{"ko_KR.UTF-8"} << "ko";
        QTest::newRow("first known wins") << "" << QStringList{"de-DE", "ko", "en"} << "ko";
        QTest::newRow("unknown system") << "" << QStringList{"de-DE", "fr"} << "en";
        QTest::newRow("C locale") << "" << QStringList{"C"} << "en";
        QTest::newRow("choice over system") << "en" << QStringList{"ko-KR"} << "en";
        QTest::newRow("unknown choice ignored") << "xx" << QStringList{"ko-KR"} << "ko";
    }

    void languageFollowsTheChoiceThenTheSystem()
    {
        QFETCH(QString, chosen);
        QFETCH(QStringList, system);
        QFETCH(QString, expected);
        QCOMPARE(tvk::languageFor(chosen, system), expected);
    }

    void aRememberedChoiceSwitchesTheTexts()
    {
        tvk::setChosenLanguage(QStringLiteral("ko"));
        QVERIFY(tvk::installStringTable());
        QCOMPARE(tvk::text("save"), QStringLiteral("저장"));
        tvk::setChosenLanguage(QStringLiteral("en"));
        QVERIFY(tvk::installStringTable());
        QCOMPARE(tvk::text("save"), QStringLiteral("Save"));
        tvk::setChosenLanguage(QString());
        QVERIFY(tvk::installStringTable());
    }

    void theToolSpeaksKoreanUnderAKoreanLocale()
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LANGUAGE"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("ko_KR.UTF-8"));
        env.insert(QStringLiteral("LC_MESSAGES"), QStringLiteral("ko_KR.UTF-8"));
        tool.setProcessEnvironment(env);
        tool.start(qEnvironmentVariable("TAVIK_TOOL"),
                   {QStringLiteral("telemetry"), QStringLiteral("/nonexistent/a_F.avi")});
        QVERIFY(tool.waitForFinished(20000));
        const QString err = QString::fromUtf8(tool.readAllStandardError());
        QVERIFY2(tool.exitCode() != 0, qPrintable(err));
        static const QRegularExpression hangul(QStringLiteral("[\\x{AC00}-\\x{D7A3}]"));
        QVERIFY2(hangul.match(err).hasMatch(), qPrintable(err));
    }

    void formatKeysTakeTheirNumber()
    {
        const QString text = tvk::textFmt("nSecond_fmt", 30);
        QVERIFY2(text.contains(QLatin1String("30")), qPrintable(text));
        QVERIFY(!text.contains(QLatin1String("%1")));
    }

    void preferredLanguagesAreLoggedAndReplaced()
    {
        QSettings settings;
        settings.setValue(QLatin1String(tvk::kPreferredLanguagesKey), QStringList({"ko", "en"}));
        QStringList lines;
        tvk::setLogSink([&lines](const QString &line) { lines << line; });
        tvk::recordPreferredLanguages(settings);
        tvk::setLogSink({});
        QCOMPARE(lines, QStringList({"SUPPORT_LANGUAGE=ko", "SUPPORT_LANGUAGE=en"}));
        QCOMPARE(settings.value(QLatin1String(tvk::kPreferredLanguagesKey)).toStringList(),
                 QStringList{"en"});
    }

    void cFormatRoundsTiesToEven()
    {
        // 0.125 is exact in binary: C gives the even neighbour.
        QCOMPARE(tvk::cformat("%+.2f", 0.125), "+0.12");
        QCOMPARE(tvk::cformat("%04d.%04d", 3723, 45), "3723.0045");
    }
};

QTEST_GUILESS_MAIN(TestStringTable)
#include "test_stringtable.moc"
