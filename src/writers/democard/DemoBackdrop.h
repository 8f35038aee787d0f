#pragma once

#include <QImage>

class QPainter;
class DemoView;

// What lies beyond the street: the morning sky over Seoul, the haze of distant towers, Bugaksan
// to the north, Inwangsan to the north-west, Namsan with its tower to the south. Drawn once
// as a panorama all the way round; each frame shows the slice the camera faces.
class DemoBackdrop
{
public:
    DemoBackdrop(const DemoView &view, bool mirrored, quint64 seed);

    // The sky and the far city down to the horizon, then the ground's base colour below it.
    void draw(QPainter &painter, const DemoView &view, double horizonShift) const;

private:
    QImage m_panorama;
    bool m_mirrored;
    int m_top; // panorama row drawn at the picture's horizon minus this
};
