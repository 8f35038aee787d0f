// Image buttons and video backgrounds drawn from the application's artwork.
#include "app/controls/AppResources.h"
#include "app/controls/ImageButton.h"
#include "app/controls/NamedImage.h"
#include "app/controls/VideoBackdrop.h"

#include <QPainter>
#include <QTest>

class TestImageControls : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { tvk::initAppResources(); }

    void imagesOfTheStates_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("exits");
        QTest::addColumn<bool>("down");
        QTest::addColumn<QString>("shown");
        QTest::newRow("at rest") << true << 0 << 0 << false << "icon_pause_n";
        QTest::newRow("pointer over it") << true << 1 << 0 << false << "icon_pause_f";
        QTest::newRow("pressed") << true << 1 << 0 << true << "icon_pause_p";
        QTest::newRow("pointer left") << true << 1 << 1 << false << "icon_pause_n";
        QTest::newRow("disabled under the pointer") << false << 1 << 0 << false << "icon_pause_n";
        QTest::newRow("exit without entry") << true << 0 << 1 << false << "icon_pause_n";
    }

    void imagesOfTheStates()
    {
        QFETCH(bool, enabled);
        QFETCH(int, entries);
        QFETCH(int, exits);
        QFETCH(bool, down);
        ImageButton button;
        button.setImageName("icon_pause_n");
        button.setEnabled(enabled);
        for (int i = 0; i < entries; ++i)
            button.pointerEntered();
        for (int i = 0; i < exits; ++i)
            button.pointerExited();
        button.setDown(down);
        QTEST(button.currentImage(), "shown");
        QVERIFY(tvk::hasNamedImage(button.currentImage()));
    }

    void buttonWithoutRolloverArtKeepsItsImage()
    {
        ImageButton button;
        button.setImageName("information_p");
        button.pointerEntered();
        QCOMPARE(button.currentImage(), "information_p");
        button.resetMouseCaptures();
        QCOMPARE(button.numberOfCaptures(), 0);
    }

    void videoBackgroundCentresItsLogo()
    {
        VideoBackdrop view;
        view.setBackgroundNineImageName("v1");
        const auto paint = [&view] {
            QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            view.paint(&painter, image.rect());
            return image;
        };
        const QImage plain = paint();
        // The frame covers the whole area, corners included.
        QVERIFY(qAlpha(plain.pixel(200, 150)) == 255 && qAlpha(plain.pixel(200, 1)) > 0);
        view.setLogoImage("v1_front_logo");
        const QImage withLogo = paint();
        const QSize size = tvk::namedImageSize("v1_front_logo");
        const QRect logo(QPoint((400 - size.width()) / 2, (300 - size.height()) / 2), size);
        int changedInside = 0, changedOutside = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x)
                if (plain.pixel(x, y) != withLogo.pixel(x, y))
                    (logo.contains(x, y) ? changedInside : changedOutside)++;
        QVERIFY(changedInside > 100);
        QCOMPARE(changedOutside, 0);
    }
};

QTEST_MAIN(TestImageControls)
#include "test_imagecontrols.moc"
