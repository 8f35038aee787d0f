// The segmented control from the keyboard: one Tab stop, arrows to choose, a visible mark.
#include "app/apptestsetup.h"
#include "app/controls/SegmentedButtons.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class TestSegmentedControl : public QObject
{
    Q_OBJECT

    struct Row
    {
        QWidget window;
        QLineEdit *before = new QLineEdit(&window);
        SegmentedButtons *control = new SegmentedButtons(&window);
        QLineEdit *after = new QLineEdit(&window);
        Row()
        {
            auto *column = new QVBoxLayout(&window);
            column->addWidget(before);
            column->addWidget(control);
            column->addWidget(after);
            control->setLabels({"One", "Two", "Three", "Four"});
            window.show();
            window.activateWindow();
        }
    };

private slots:
    void initTestCase() { initApplicationTest(); }

    void oneTabStop()
    {
        Row row;
        QVERIFY(QTest::qWaitForWindowActive(&row.window));
        row.control->setSelectedSegment(2);
        row.before->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), row.control);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), row.after);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), row.control);
    }

    void arrowsChoose_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("clicks");
        QTest::newRow("right") << 1 << QList<int>{Qt::Key_Right} << 2 << 1;
        QTest::newRow("down is right") << 1 << QList<int>{Qt::Key_Down} << 2 << 1;
        QTest::newRow("left twice") << 2 << QList<int>{Qt::Key_Left, Qt::Key_Left} << 0 << 2;
        QTest::newRow("stops at the end") << 3 << QList<int>{Qt::Key_Right} << 3 << 0;
        QTest::newRow("stops at the start") << 0 << QList<int>{Qt::Key_Up} << 0 << 0;
        QTest::newRow("none selected: right takes the first")
            << -1 << QList<int>{Qt::Key_Right} << 0 << 1;
    }

    void arrowsChoose()
    {
        QFETCH(int, from);
        QFETCH(QList<int>, keys);
        Row row;
        QVERIFY(QTest::qWaitForWindowActive(&row.window));
        row.control->setSelectedSegment(from);
        row.control->setFocus();
        QSignalSpy clicked(row.control, &SegmentedButtons::segmentClicked);
        for (int key : keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QTEST(row.control->selectedSegment(), "to");
        QTEST(int(clicked.count()), "clicks");
        QCOMPARE(QApplication::focusWidget(), row.control);
    }

    // The segment that has the keyboard looks different from the same segment without it.
    void focusIsSeen()
    {
        Row row;
        QVERIFY(QTest::qWaitForWindowActive(&row.window));
        row.control->setSelectedSegment(1);
        row.before->setFocus();
        const QImage without = row.control->grab().toImage();
        row.control->setFocus();
        QVERIFY(row.control->hasFocus());
        const QImage with = row.control->grab().toImage();
        QVERIFY(with != without);
        row.after->setFocus();
        QCOMPARE(row.control->grab().toImage(), without);
    }
};

QTEST_MAIN(TestSegmentedControl)
#include "test_segmentedcontrol.moc"
