// Every window in English and in Korean, as a screen reader and a reader of a small screen
// meet it: each control a user acts on has a name, and no text is cut.
#include "readablewindows.h"
#include "windowwalk.h"

#include <QCheckBox>

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
};

QTEST_MAIN(TestReadableWindows)
#include "test_readablewindows.moc"
