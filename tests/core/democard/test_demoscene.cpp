// The sample card's pictures and sound: the street streams past, the car ahead lights its brake
// lights in the event, the burnt-in text and the rear badge are there, and the cabin is loudest
// at speed and quiet once parked.
#include "democard/DemoAudio.h"
#include "democard/DemoCard.h"
#include "democard/DemoFrameRenderer.h"
#include "democard/DemoOsd.h"

#include <QTest>
#include <QtEndian>

#include <cmath>

namespace {

int countPixels(const QImage &image, const QRect &area, bool (*test)(QRgb))
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    }
    return n;
}

const auto brakeRed = [](QRgb c) {
    return qRed(c) > 220 && qGreen(c) < 80 && qBlue(c) < 80;
};
const auto white = [](QRgb c) {
    return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235;
};
const auto badgeRed = [](QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 70 && qBlue(c) < 70;
};

double rms(const QByteArray &samples)
{
    double sum = 0;
    const auto n = samples.size() / 2;
    for (qsizetype i = 0; i < n; ++i) {
        const double v = qFromLittleEndian<qint16>(samples.constData() + 2 * i);
        sum += v * v;
    }
    return std::sqrt(sum / double(n));
}

} // namespace

class TestDemoScene : public QObject
{
    Q_OBJECT
    DemoCard m_card{{60, 5}};
    std::unique_ptr<DemoOsd> m_frontOsd;
    std::unique_ptr<DemoOsd> m_rearOsd;

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
        const QRect frontText(0, f.height() * 8 / 10, f.width() / 2, f.height() / 5);
        const QRect rearText(0, r.height() * 8 / 10, r.width() / 2, r.height() / 5);
        QVERIFY(countPixels(f, frontText, white) > 300);
        QVERIFY(countPixels(r, rearText, white) > 150);
        const QRect corner(r.width() * 3 / 4, 0, r.width() / 4, r.height() / 5);
        QVERIFY(countPixels(r, corner, badgeRed) > 200);
        QCOMPARE(
            countPixels(f, QRect(f.width() * 3 / 4, 0, f.width() / 4, f.height() / 5), badgeRed),
            0);
    }

    void cabinSound()
    {
        const DemoDrive &drive = m_card.drive();
        double cruising = 0;
        while (drive.at(cruising).speed < 11)
            cruising += 1;
        double idling = 0;
        while (drive.at(idling).speed > 0 || drive.at(idling + 1).speed > 0)
            idling += 1;
        const double parked = DemoDrive::kParkedSlot * drive.slotSeconds() + 2;
        auto level = [&](double at) {
            DemoAudio audio(drive, m_card.traffic(), at, m_card.options().seed);
            return rms(audio.next(DemoAudio::kSampleRate));
        };
        const double fast = level(cruising), idle = level(idling), still = level(parked);
        QVERIFY2(fast > 1.5 * idle && idle > 2 * still,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(fast).arg(idle).arg(still)));
        QVERIFY(fast < 12000); // far from clipping
    }
};

QTEST_MAIN(TestDemoScene)
#include "test_demoscene.moc"
