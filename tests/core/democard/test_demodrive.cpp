// The sample card's drive, without writing a card: the route lies on the real streets, the car
// moves without jumps, the G-sensor agrees with the speed and the bends, the lights and the
// parking happen as the recordings' kinds say.
#include "democard/DemoCard.h"

#include <QLineF>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

constexpr double kGravity = 9.80665;

double metresFrom(const DemoDrive::State &state, double latitude, double longitude)
{
    return QLineF(state.position, DemoRoute::toMetres(latitude, longitude)).length();
}

// The mean of one axis over the ten samples of a second, in g.
double meanSample(const DemoTelemetry &telemetry, int second, qint32 DemoTelemetry::Sample::*axis)
{
    double sum = 0;
    for (int k = 0; k < 10; ++k)
        sum += telemetry.sample(second * 10 + k).*axis / 256.0;
    return sum / 10;
}

} // namespace

class TestDemoDrive : public QObject
{
    Q_OBJECT
    DemoCard m_card{{60, 3}};

private slots:
    void routeLiesOnTheRealStreets()
    {
        const DemoDrive &drive = m_card.drive();
        QVERIFY(metresFrom(drive.at(0), 37.5759, 126.9769) < 15); // Gwanghwamun
        // Past Seoul City Hall and round Sungnyemun within the first laps.
        double cityHall = 1e9, gate = 1e9;
        for (double t = 0; t < drive.duration(); t += 0.5) {
            cityHall = std::min(cityHall, metresFrom(drive.at(t), 37.5666, 126.9772));
            gate = std::min(gate, metresFrom(drive.at(t), 37.5603, 126.9756));
        }
        QVERIFY2(cityHall < 20 && gate < 40,
                 qPrintable(QStringLiteral("%1 %2").arg(cityHall).arg(gate)));

        // The loop closes on itself: position and heading run on across the seam.
        const DemoRoute &route = m_card.route();
        const double seam = route.loopStart() + route.loopLength();
        const DemoRoute::Pose a = route.at(seam - 0.01), b = route.at(seam + 0.01);
        QVERIFY(QLineF(a.position, b.position).length() < 0.1);
        QVERIFY(std::fabs(std::remainder(a.heading - b.heading, 2 * std::numbers::pi)) < 0.01);
    }

    void carMovesWithoutJumps()
    {
        const DemoDrive &drive = m_card.drive();
        DemoDrive::State before = drive.at(0);
        for (double t = 0.1; t < drive.duration(); t += 0.1) {
            const DemoDrive::State now = drive.at(t);
            QVERIFY(now.speed >= 0 && now.distance >= before.distance);
            const double step = QLineF(before.position, now.position).length();
            QVERIFY2(step <= std::max(before.speed, now.speed) * 0.1 + 0.05,
                     qPrintable(QStringLiteral("t=%1 step=%2").arg(t).arg(step)));
            before = now;
        }
    }

    void gSensorAgreesWithSpeedAndBends()
    {
        // Averaged over a second the road noise cancels; what is left is the car's motion,
        // here worked out from the path the car's position traces.
        const DemoDrive &drive = m_card.drive();
        const DemoTelemetry &telemetry = m_card.telemetry();
        constexpr double h = 0.1;
        for (int second = 1; second + 1 < int(drive.parkedTime()); ++second) {
            double along = 0, across = 0;
            for (int k = 0; k < 10; ++k) {
                const double t = second + k / 10.0;
                const QPointF a = (drive.at(t + h).position - 2 * drive.at(t).position +
                                   drive.at(t - h).position) /
                                  (h * h);
                const double heading =
                    std::atan2(drive.at(t + h).position.x() - drive.at(t - h).position.x(),
                               drive.at(t + h).position.y() - drive.at(t - h).position.y());
                const bool moving = drive.at(t - h).speed > 0.2;
                along += (drive.at(t + h / 2).speed - drive.at(t - h / 2).speed) / h;
                // Positive to the right of the way the car goes; the sensor's Y points left.
                across += moving ? a.x() * std::cos(heading) - a.y() * std::sin(heading) : 0;
            }
            const double x = along / 10 / kGravity, y = -across / 10 / kGravity;
            const QString at = QStringLiteral("at %1 s").arg(second);
            QVERIFY2(std::fabs(meanSample(telemetry, second, &DemoTelemetry::Sample::x) - x) < 0.06,
                     qPrintable("X " + at));
            QVERIFY2(std::fabs(meanSample(telemetry, second, &DemoTelemetry::Sample::y) - y) < 0.06,
                     qPrintable("Y " + at));
            QVERIFY2(std::fabs(meanSample(telemetry, second, &DemoTelemetry::Sample::z) - 1) < 0.06,
                     qPrintable("Z " + at));
        }
    }

    void lightsAndParking()
    {
        const DemoDrive &drive = m_card.drive();
        const double slot = drive.slotSeconds();
        // A red light that holds the car for some seconds.
        bool waited = false;
        for (const DemoDrive::LightStop &light : drive.lightStops())
            waited = waited || (light.greenAt - light.redFrom >= 15 &&
                                drive.at(light.greenAt - 1).speed == 0);
        QVERIFY(waited);
        // A city drive.
        double top = 0;
        for (double t = 0; t < DemoDrive::kParkedSlot * slot; t += 0.01)
            top = std::max(top, drive.at(t).speed * 3.6);
        QVERIFY(top > 35 && top < 53);
        // Parked through the motion recording, still enough for the parking thresholds (0.08 g).
        for (int tenth = DemoDrive::kParkedSlot * int(slot) * 10; tenth < 7 * int(slot) * 10;
             ++tenth) {
            QCOMPARE(drive.at(tenth / 10.0).speed, 0.0);
            const DemoTelemetry::Sample s = m_card.telemetry().sample(tenth);
            QVERIFY(std::abs(s.x) < 20 && std::abs(s.y) < 20 && std::abs(s.z - 256) < 20);
        }
    }
};

QTEST_GUILESS_MAIN(TestDemoDrive)
#include "test_demodrive.moc"
