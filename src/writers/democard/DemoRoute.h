#pragma once

#include <QPointF>

#include <vector>

// The road the sample card drives: from Gwanghwamun south along Sejong-daero past City Hall to
// Sungnyemun (Namdaemun), north-east along Namdaemun-ro to Bosingak, west along Jong-ro and
// back onto Sejong-daero, round that loop for as long as the drive lasts. Straight stretches
// between real junctions, joined by arcs of a car's turning line.
//
// Positions are metres east and north of Gwanghwamun; s is the distance driven, which runs
// on for ever (past the end of the loop it goes round again).
class DemoRoute
{
public:
    struct Pose
    {
        QPointF position;     // metres east, north
        double heading = 0;   // radians clockwise from north
        double curvature = 0; // 1/m, positive while turning right
    };

    DemoRoute();

    Pose at(double s) const;
    // The point `lateral` metres to the right of the road's centre line at s.
    QPointF point(double s, double lateral) const;
    // The fastest a car takes the road at s, m/s, slowing early enough for the next bend.
    double speedCap(double s) const;

    struct Degrees
    {
        double latitude;
        double longitude;
    };
    // Metres east/north to degrees, and back.
    static Degrees toDegrees(const QPointF &metres);
    static QPointF toMetres(double latitude, double longitude);

    double loopStart() const { return m_loopStart; }
    double loopLength() const { return m_length - m_loopStart; }

private:
    struct Sample
    {
        QPointF position;
        double heading;
        double curvature;
    };
    double wrap(double s) const;
    void appendStraight(double length);
    void appendArc(double length, double curvature);

    std::vector<Sample> m_samples; // one a metre
    std::vector<double> m_cap;
    QPointF m_cursor;
    double m_heading = 0;
    QPointF m_loopEntry;
    double m_loopHeading = 0;
    double m_loopStart = 0;
    double m_length = 0;
};
