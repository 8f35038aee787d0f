// Every window in English and in Korean, as a screen reader, a reader of a small screen and a
// user without a mouse meet it: each control a user acts on has a name, no text is cut, and
// Tab reaches every control in reading order.
#include "app/controls/SegmentedButtons.h"
#include "readablewindows.h"
#include "windowwalk.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QMessageBox>

class TestReadableWindows : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        tvk::prepareApplicationEnvironment();
        useOffscreenScreen(1600, 1000);
    }

private slots:
    void initTestCase() { initApplicationTest(); }
    void cleanupTestCase() { tvk::setChosenLanguage({}); }

    // The check itself: it must see a cut text where there is one.
    void cutCheck_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("cut");
        QTest::newRow("label with room") << "label" << 400 << false;
        QTest::newRow("label too narrow") << "label" << 40 << true;
        QTest::newRow("wrapped label too low") << "wrapped" << 40 << true;
        QTest::newRow("wrapped label with room") << "wrapped" << 400 << false;
        QTest::newRow("check box too narrow") << "check" << 40 << true;
        QTest::newRow("check box with room") << "check" << 400 << false;
        QTest::newRow("label that elides on purpose") << "elides" << 40 << false;
    }
    void cutCheck()
    {
        QFETCH(QString, kind);
        QFETCH(int, width);
        QWidget window;
        const QString text = QStringLiteral("Recordings of the driving log");
        QWidget *control = kind == QLatin1String("check")
                               ? static_cast<QWidget *>(new QCheckBox(text, &window))
                               : new QLabel(text, &window);
        if (auto *label = qobject_cast<QLabel *>(control))
            label->setWordWrap(kind == QLatin1String("wrapped"));
        control->setProperty("elides", kind == QLatin1String("elides"));
        control->setGeometry(0, 0, width, control->fontMetrics().height() + 4);
        window.show();
        QTEST(!cutTexts(&window).isEmpty(), "cut");
    }

    static void windows()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        for (const QString &language : {QStringLiteral("en"), QStringLiteral("ko")}) {
            for (const QString &window : windowNames())
                QTest::addRow("%s %s", qPrintable(language), qPrintable(window))
                    << language << window;
        }
    }

    void namesEveryControl_data() { windows(); }
    void namesEveryControl()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        useLanguage(language);
        OpenedWindow opened;
        QVERIFY(opened.open(window));
        // A walk that met no control would pass any window.
        QVERIFY(interactiveControlCount(opened.widget()) > 0);
        const QStringList unnamed = unnamedControls(opened.widget());
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u',')));
    }

    void fitsEveryText_data() { windows(); }
    void fitsEveryText()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        useLanguage(language);
        OpenedWindow opened;
        QVERIFY(opened.open(window));
        const QStringList cut = cutTexts(opened.widget());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'|')));
    }

    // Tab from the first control visits every control once, row by row from the top and left
    // to right in a row, marks the one it is on, and comes back round; Shift+Tab goes back.
    // A segmented control is one stop whose segments the arrow keys choose.
    void keyboardFollowsReadingOrder_data() { windows(); }
    void keyboardFollowsReadingOrder()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        useLanguage(language);
        OpenedWindow opened;
        QVERIFY(opened.open(window));
        QWidget *shown = opened.widget();
        // An alert over the window (a card without a driving record) is answered first.
        for (QMessageBox *alert : shown->findChildren<QMessageBox *>())
            alert->reject();
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        // Enter or Space on a window just opened must not wipe a card or a setting.
        QWidget *initial = QApplication::focusWidget();
        for (const char *destructive : {"resetButton", "sdcardFormatButton", "formatButton"})
            QVERIFY2(!initial || initial->objectName() != QLatin1String(destructive),
                     qPrintable(describe(initial)));

        const QList<QWidget *> expected = inReadingOrder(tabStops(shown), shown);
        QVERIFY(!expected.isEmpty());
        // From the last control Tab comes round to the first.
        expected.last()->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), expected.last());
        QTest::keyClick(expected.last(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected.first());
        QStringList visited{describe(expected.first())};
        QStringList wanted;
        QStringList unmarked;
        for (QWidget *stop : expected)
            wanted << describe(stop);
        wanted << wanted.first();
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QWidget *from = QApplication::focusWidget();
            const QImage focused = from->grab().toImage();
            QTest::keyClick(from, Qt::Key_Tab);
            visited << describe(QApplication::focusWidget());
            // The stop just left must look different from when it had the keyboard; a web
            // page draws its own focus.
            if (!from->inherits("QWebEngineView") &&
                !from->parentWidget()->inherits("QWebEngineView") &&
                from->grab().toImage() == focused)
                unmarked << describe(from);
        }
        for (qsizetype i = 0; i < wanted.size(); ++i)
            QVERIFY2(
                visited[i] == wanted[i],
                qPrintable(QStringLiteral("stop %1 is %2, not %3 (after %4)")
                               .arg(i)
                               .arg(visited[i], wanted[i], i > 0 ? visited[i - 1] : QString())));
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(u',')));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), expected.last());

        for (auto *segments : shown->findChildren<SegmentedButtons *>()) {
            if (!segments->isVisible() || !segments->isEnabled() || segments->segmentCount() < 2)
                continue;
            segments->setFocus(Qt::TabFocusReason);
            const int before = segments->selectedSegment();
            const int key = before + 1 < segments->segmentCount() ? Qt::Key_Right : Qt::Key_Left;
            QTest::keyClick(segments, Qt::Key(key));
            QCOMPARE(segments->selectedSegment(), key == Qt::Key_Right ? before + 1 : before - 1);
            QCOMPARE(QApplication::focusWidget(), segments);
            break; // the first is enough: choosing a page hides the others
        }
    }
};

QTEST_MAIN(TestReadableWindows)
#include "test_readablewindows.moc"
