// Names from a card handed to other readers: a terminal, an XML reader, a spreadsheet,
// sha256sum and a browser each get a form they cannot mistake for commands.
#include "core/common/textescape.h"
#include "core/testsupport.h"

#include <QCryptographicHash>

class TestTextEscape : public QObject
{
    Q_OBJECT

private slots:
    void terminal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "DCIM/alwa_20240131_120000_F.avi"
                               << "DCIM/alwa_20240131_120000_F.avi";
        QTest::newRow("escape sequence") << "a\x1b[2Jb"
                                         << "a\\x1b[2Jb";
        QTest::newRow("newline and tab") << "a\nb\tc"
                                         << "a\\x0ab\\x09c";
        QTest::newRow("C1 and DEL") << QString::fromUcs4(U"a\u009bb\u007f") << "a\\x9bb\\x7f";
        QTest::newRow("right-to-left override")
            << QString::fromUcs4(U"x\u202eiva.exe") << "x\\u202eiva.exe";
        QTest::newRow("backslash") << "a\\x1b"
                                   << "a\\\\x1b";
        QTest::newRow("letters beyond ASCII") << "Stra\u00dfe \u6771\u4eac"
                                              << "Stra\u00dfe \u6771\u4eac";
    }
    void terminal()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(tvk::terminalText(text), shown);
    }

    void xml_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::newRow("plain") << "a_F"
                               << "a_F";
        QTest::newRow("C0 controls") << "a\x01"
                                        "b\x1b"
                                     << "a\ufffdb\ufffd";
        QTest::newRow("tab and line ends stay") << "a\tb\nc\rd"
                                                << "a\tb\nc\rd";
        QTest::newRow("noncharacter") << QString::fromUcs4(U"a\ufffe") << "a\ufffd";
        QTest::newRow("lone surrogate") << QString(QChar(0xd800)) + "x"
                                        << "\ufffdx";
        QTest::newRow("astral") << QString::fromUcs4(U"\U0001F697")
                                << QString::fromUcs4(U"\U0001F697");
    }
    void xml()
    {
        QFETCH(QString, text);
        QFETCH(QString, kept);
        QCOMPARE(tvk::xmlText(text), kept);
    }

    void csv_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("cell");
        QTest::newRow("plain") << "DCIM/a_F.avi" << QByteArray("DCIM/a_F.avi");
        QTest::newRow("formula") << "=HYPERLINK(\"x\")" << QByteArray("\"'=HYPERLINK(\"\"x\"\")\"");
        QTest::newRow("plus") << "+1" << QByteArray("'+1");
        QTest::newRow("minus") << "-2+3" << QByteArray("'-2+3");
        QTest::newRow("at") << "@SUM(A1)" << QByteArray("'@SUM(A1)");
        QTest::newRow("tab first") << "\tx" << QByteArray("'\tx");
        QTest::newRow("comma") << "a,b" << QByteArray("\"a,b\"");
        QTest::newRow("equals later") << "a=b" << QByteArray("a=b");
        QTest::newRow("empty") << "" << QByteArray();
    }
    void csv()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, cell);
        QCOMPARE(tvk::csvTextCell(text), cell);
    }

    void href_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("href");
        QTest::newRow("plain") << "a_F.avi"
                               << "./a_F.avi";
        QTest::newRow("scheme") << "javascript:alert(1);a_F.avi"
                                << "./javascript%3Aalert%281%29%3Ba_F.avi";
        QTest::newRow("fragment, query, percent") << "a#b?c%20d"
                                                  << "./a%23b%3Fc%2520d";
        QTest::newRow("quote and angle") << "a\"<b>"
                                         << "./a%22%3Cb%3E";
        QTest::newRow("beyond ASCII") << "\u00e9"
                                      << "./%C3%A9";
    }
    void href()
    {
        QFETCH(QString, name);
        QFETCH(QString, href);
        QCOMPARE(tvk::relativeHref(name), href);
    }

    // The list is checked by sha256sum itself, over files of the hostile names.
    void sha256sumChecksTheList()
    {
        QTemporaryDir dir;
        const QStringList names{"plain.avi",       "new\nline.avi",
                                "back\\slash.avi", "carriage\rreturn.avi",
                                "both\\n\n.avi",   " lead and trail "};
        QByteArray list;
        for (const QString &name : names) {
            const QByteArray bytes = name.toUtf8() + " content";
            QVERIFY(writeFile(dir.filePath(name), bytes));
            list += tvk::sha256sumLine(
                QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex(), name);
        }
        QVERIFY(writeFile(dir.filePath("SUMS"), list));
        QProcess check;
        check.setWorkingDirectory(dir.path());
        check.start("sha256sum", {"-c", "--strict", "SUMS"});
        QVERIFY(check.waitForFinished());
        QVERIFY2(check.exitCode() == 0, check.readAllStandardError().constData());
        QCOMPARE(check.readAllStandardOutput().count(": OK\n"), names.size());
    }
};

QTEST_GUILESS_MAIN(TestTextEscape)
#include "test_textescape.moc"
