// The clip marks on the position sliders: the keys set them at the playing position on every
// slider, and the slider draws them where its handle would stand for that position.
#include "app/apptestsetup.h"
#include "app/clip/ClipMarker.h"
#include "app/controls/SeekSlider.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QTest>

namespace {

// How much of a column of the slider's picture is the marks' orange.
int orangeIn(const QImage &image, int x)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QColor c = image.pixelColor(x, y);
        count += c.red() > 200 && c.green() > 120 && c.green() < 190 && c.blue() < 60;
    }
    return count;
}

} // namespace

class TestClipMarker : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initApplicationTest(); }

    void keys_mark_every_slider_data()
    {
        QTest::addColumn<QString>("keys"); // "I@2500": the key I at value 2500
        QTest::addColumn<int>("in");       // -1: none
        QTest::addColumn<int>("out");
        QTest::newRow("in and out") << "I@2500 O@7500" << 2500 << 7500;
        QTest::newRow("out only") << "O@4000" << -1 << 4000;
        QTest::newRow("in past out starts again") << "I@2500 O@5000 I@6000" << 6000 << -1;
        QTest::newRow("cleared") << "I@2500 O@5000 X@0" << -1 << -1;
    }
    void keys_mark_every_slider()
    {
        QFETCH(QString, keys);
        QFETCH(int, in);
        QFETCH(int, out);
        QWidget window;
        auto *layout = new QHBoxLayout(&window);
        auto *main = new SeekSlider;
        auto *full = new SeekSlider;
        for (SeekSlider *slider : {main, full}) {
            slider->setRange(0, 10000);
            slider->setFocusPolicy(Qt::NoFocus);
            layout->addWidget(slider);
        }
        ClipMarker marker(&window, {main, full});
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (const QString &step : keys.split(u' ')) {
            main->setValue(step.mid(2).toInt());
            QTest::keyClick(&window, step.at(0).toLatin1());
        }
        const std::optional<int> wantIn = in < 0 ? std::nullopt : std::optional<int>(in);
        const std::optional<int> wantOut = out < 0 ? std::nullopt : std::optional<int>(out);
        for (SeekSlider *slider : {main, full}) {
            QCOMPARE(slider->inMark(), wantIn);
            QCOMPARE(slider->outMark(), wantOut);
        }
        QCOMPARE(marker.marks().in().has_value(), in >= 0);
    }

    void marks_are_drawn_at_their_values_data()
    {
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::newRow("a quarter to three quarters") << 2500 << 7500;
        QTest::newRow("near the ends") << 500 << 9500;
    }
    void marks_are_drawn_at_their_values()
    {
        QFETCH(int, in);
        QFETCH(int, out);
        SeekSlider slider;
        slider.setRange(0, 10000);
        slider.resize(400, 24);
        const QImage plain = slider.grab().toImage();
        QCOMPARE(orangeIn(plain, slider.xOf(in)), 0);
        slider.setMarks(in, out);
        const QImage image = slider.grab().toImage();
        QVERIFY(orangeIn(image, slider.xOf(in)) >= 8);
        QVERIFY(orangeIn(image, slider.xOf(out)) >= 8);
        // Outside the marked stretch the groove stays as it was.
        QCOMPARE(orangeIn(image, slider.xOf(in) - 6), 0);
        QCOMPARE(orangeIn(image, slider.xOf(out) + 6), 0);
        // Between them the groove is tinted.
        const int middle = (slider.xOf(in) + slider.xOf(out)) / 2;
        int tinted = 0;
        for (int y = 0; y < image.height(); ++y)
            tinted += image.pixel(middle, y) != plain.pixel(middle, y);
        QVERIFY(tinted >= 3);
    }
};

QTEST_MAIN(TestClipMarker)
#include "test_clipmarker.moc"
