#pragma once

#include <QPointF>
#include <QPolygonF>

#include <vector>

// A pinhole camera in the street: where it stands, which way it looks and how the world falls
// onto its picture. World points are metres east, north and up.
class DemoView
{
public:
    struct Point3
    {
        double east, north, up;
    };

    DemoView(int width, int height, double horizontalFieldDegrees, double horizonRow);

    // Stand at `eye` (metres east/north), `height` metres up, looking along `heading`
    // (radians clockwise from north). A mirrored view swaps left and right, as the rear
    // camera's picture is shown.
    void place(const QPointF &eye, double height, double heading, bool mirrored);
    // Moves the whole picture up or down by `pixels`: the camera nodding with the car.
    void setShake(double pixels) { m_shake = pixels; }

    // Metres in front of the camera; what is behind it gives zero or less.
    double depth(const Point3 &p) const;
    // The picture point of a point in front of the camera.
    QPointF project(const Point3 &p) const;
    // A flat polygon, cut where it passes behind the camera; empty when nothing is in front.
    QPolygonF project(const std::vector<Point3> &polygon) const;
    // Pixels that `metres` measure across at `depth`.
    double scale(double metres, double depth) const { return m_focal * metres / depth; }

    int width() const { return m_width; }
    int height() const { return m_height; }
    double horizon() const { return m_horizon; }
    double heading() const { return m_heading; }
    double fieldOfView() const { return m_field; }

private:
    struct Camera
    {
        double right, up, forward;
    };
    Camera toCamera(const Point3 &p) const;
    QPointF screen(const Camera &c) const;

    int m_width;
    int m_height;
    double m_field;
    double m_focal;
    double m_horizon;
    QPointF m_eye;
    double m_eyeHeight = 1.3;
    double m_heading = 0;
    double m_sin = 0, m_cos = 1;
    bool m_mirrored = false;
    double m_shake = 0;
};
