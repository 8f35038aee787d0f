// Every text key the code looks up has an English text, and the language step of the
// start-up logs and stores the preferred languages.
#include "core/common/cformat.h"
#include "core/common/log.h"
#include "core/common/strings.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>

class TestStringTable : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        tvk::initApplicationIdentity();
        QSettings().clear();
        QVERIFY(tvk::installStringTable());
    }

    void everyKeyUsedInTheCodeHasAText()
    {
        // Keys reach the table through these calls, or are marked where they are stored in
        // tables of their own.
        static const QRegularExpression use(
            QStringLiteral("(?:\\btext|\\btextFmt|qtTrId|QT_TRID_NOOP)\\(\\s*\"([^\"]+)\""));
        QTranslator table;
        QVERIFY(table.load(QStringLiteral(":/i18n/tavik_en.qm")));
        QStringList missing;
        int keys = 0;
        for (const char *root : {"/src", "/tools"}) {
            QDirIterator it(QLatin1String(TAVIK_SOURCE_DIR) + QLatin1String(root),
                            {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QString source = QString::fromUtf8(file.readAll());
                for (const auto &match : use.globalMatch(source)) {
                    const QByteArray key = match.captured(1).toUtf8();
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
