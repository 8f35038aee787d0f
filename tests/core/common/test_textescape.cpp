// Names from a card handed to other readers: a terminal, an XML reader, a spreadsheet,
// sha256sum and a browser each get a form they cannot mistake for commands.
#include "core/common/textescape.h"
#include "core/testsupport.h"

#include <QCryptographicHash>

class TestTextEscape : public QObject
{
    Q_OBJECT

private slots:
    void escaped_data()
    {
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        const auto row = [](const char *reader, const char *name, const QString &text,
                            const QString &escaped) {
            QTest::addRow("%s: %s", reader, name) << QString::fromLatin1(reader) << text << escaped;
        };
        row("terminal", "plain", "DCIM/alwa_20240131_120000_F.avi",
            "DCIM/alwa_20240131_120000_F.avi");
        row("terminal", "escape sequence", "a\x1b[2Jb", "a\\x1b[2Jb");
        row("terminal", "newline and tab", "a\nb\tc", "a\\x0ab\\x09c");
        row("terminal", "C1 and DEL", QString::fromUcs4(U"a\u009bb\u007f"), "a\\x9bb\\x7f");
        row("terminal", "right-to-left override", QString::fromUcs4(U"x\u202eiva.exe"),
            "x\\u202eiva.exe");
        row("terminal", "backslash", "a\\x1b", "a\\\\x1b");
        row("terminal", "letters beyond ASCII", "Stra\u00dfe \u6771\u4eac",
            "Stra\u00dfe \u6771\u4eac");
        row("xml", "plain", "a_F", "a_F");
        row("xml", "C0 controls",
            "a\x01"
            "b\x1b",
            "a\ufffdb\ufffd");
        row("xml", "tab and line ends stay", "a\tb\nc\rd", "a\tb\nc\rd");
        row("xml", "noncharacter", QString::fromUcs4(U"a\ufffe"), "a\ufffd");
        row("xml", "lone surrogate", QString(QChar(0xd800)) + "x", "\ufffdx");
        row("xml", "astral", QString::fromUcs4(U"\U0001F697"), QString::fromUcs4(U"\U0001F697"));
        row("csv", "plain", "DCIM/a_F.avi", "DCIM/a_F.avi");
        row("csv", "formula", "=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\"");
        row("csv", "plus", "+1", "'+1");
        row("csv", "minus", "-2+3", "'-2+3");
        row("csv", "at", "@SUM(A1)", "'@SUM(A1)");
        row("csv", "tab first", "\tx", "'\tx");
        row("csv", "comma", "a,b", "\"a,b\"");
        row("csv", "equals later", "a=b", "a=b");
        row("csv", "empty", "", "");
        row("href", "plain", "a_F.avi", "./a_F.avi");
        row("href", "scheme", "javascript:alert(1);a_F.avi",
            "./javascript%3Aalert%281%29%3Ba_F.avi");
        row("href", "fragment, query, percent", "a#b?c%20d", "./a%23b%3Fc%2520d");
        row("href", "quote and angle", "a\"<b>", "./a%22%3Cb%3E");
        row("href", "beyond ASCII", "\u00e9", "./%C3%A9");
    }

    void escaped()
    {
        QFETCH(QString, reader);
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        const QString shown = reader == "terminal" ? tvk::terminalText(text)
                              : reader == "xml"    ? tvk::xmlText(text)
                              : reader == "csv"    ? QString::fromUtf8(tvk::csvTextCell(text))
                                                   : tvk::relativeHref(text);
        QCOMPARE(shown, escaped);
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
