// The sample card's pictures: the street streams past, the car ahead lights its brake lights in
// the event, and the burnt-in text and the rear badge are there.
#include "democard/DemoCard.h"
#include "democard/DemoFrameRenderer.h"
#include "democard/DemoOsd.h"

#include <QTest>

#include <memory>

class TestDemoScene : public QObject
{
    Q_OBJECT
    DemoCard m_card{{60, 5}};
    std::unique_ptr<DemoOsd> m_frontOsd;
    std::unique_ptr<DemoOsd> m_rearOsd;

    static bool brakeRed(QRgb c) { return qRed(c) > 220 && qGreen(c) < 80 && qBlue(c) < 80; }
    static bool badgeRed(QRgb c) { return qRed(c) > 150 && qGreen(c) < 70 && qBlue(c) < 70; }
    static bool white(QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235; }
    static int countPixels(const QImage &image, const QRect &area, bool (*test)(QRgb))
    {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                n += test(image.pixel(x, y)) ? 1 : 0;
        }
        return n;
    }

    DemoFrameRenderer renderer(DemoFrameRenderer::Camera camera) const
    {
        const bool rear = camera == DemoFrameRenderer::Rear;
        return DemoFrameRenderer(camera, rear ? DemoCard::kRearSize : DemoCard::kFrontSize,
                                 m_card.street(), m_card.traffic(), rear ? *m_rearOsd : *m_frontOsd,
                                 m_card.start(), m_card.options().seed);
    }

private slots:
    void initTestCase()
    {
        m_frontOsd = std::make_unique<DemoOsd>(22, false);
        m_rearOsd = std::make_unique<DemoOsd>(16, true);
    }

    void streetStreamsPast()
    {
        double moving = 0;
        while (m_card.drive().at(moving).speed < 8)
            moving += 1;
        for (auto camera : {DemoFrameRenderer::Front, DemoFrameRenderer::Rear}) {
            DemoFrameRenderer r = renderer(camera);
            const QImage a = r.render(moving);
            const QImage b = r.render(moving + 1.0 / 30);
            const QRect road(0, a.height() / 2, a.width(), a.height() / 3);
            QVERIFY(a.copy(road) != b.copy(road));
        }
    }

    void carAheadBrakesInTheEvent()
    {
        DemoFrameRenderer r = renderer(DemoFrameRenderer::Front);
        const double brake = m_card.drive().brakeTime();
        const QImage before = r.render(brake - 2), during = r.render(brake + 0.3);
        const int red = countPixels(before, before.rect(), brakeRed);
        const int lit = countPixels(during, during.rect(), brakeRed);
        QVERIFY2(lit > red + 100, qPrintable(QStringLiteral("%1 -> %2").arg(red).arg(lit)));
    }

    void burntInTextAndBadge()
    {
        const QImage f = renderer(DemoFrameRenderer::Front).render(12.5);
        const QImage r = renderer(DemoFrameRenderer::Rear).render(12.5);
        // Text in the bottom left of both.
        const auto text = [](const QImage &i) {
            return QRect(0, i.height() * 8 / 10, i.width() / 2, i.height() / 5);
        };
        QVERIFY(countPixels(f, text(f), white) > 300 && countPixels(r, text(r), white) > 150);
        // The badge in the rear picture's top right corner only.
        const auto corner = [](const QImage &i) {
            return QRect(i.width() * 3 / 4, 0, i.width() / 4, i.height() / 5);
        };
        QVERIFY(countPixels(r, corner(r), badgeRed) > 200 &&
                countPixels(f, corner(f), badgeRed) == 0);
    }
};

QTEST_MAIN(TestDemoScene)
#include "test_demoscene.moc"
