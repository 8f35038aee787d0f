#include "writers/democard/DemoBackdrop.h"

#include "writers/democard/DemoNoise.h"
#include "writers/democard/DemoView.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

// A ridge: bearing of its peak in degrees, half-width in degrees, height as a share of the
// horizon row.
struct Ridge
{
    double bearing;
    double halfWidth;
    double height;
};

constexpr Ridge kRidges[] = {
    {355, 22, 0.20}, // Bugaksan
    {312, 18, 0.17}, // Inwangsan
    {160, 26, 0.16}, // Namsan
    {60, 30, 0.07},  // Naksan, far off
};

} // namespace

DemoBackdrop::DemoBackdrop(const DemoView &view, bool mirrored, quint64 seed) : m_mirrored(mirrored)
{
    const int width = int(std::lround(view.width() * 2 * std::numbers::pi / view.fieldOfView()));
    const int horizon = int(std::lround(view.horizon()));
    m_top = horizon + 8; // a little room for the picture's shake
    const int height = m_top + 16;
    m_panorama = QImage(width, height, QImage::Format_RGB32);
    QPainter p(&m_panorama);
    p.setRenderHint(QPainter::Antialiasing);
    const double h = m_top;
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(0x3f, 0x78, 0xbf));
    sky.setColorAt(0.7, QColor(0x94, 0xb9, 0xdc));
    sky.setColorAt(1, QColor(0xd6, 0xe2, 0xea));
    p.fillRect(QRectF(0, 0, width, h), sky);
    auto xOf = [width](double bearing) {
        return bearing / 360.0 * width;
    };
    // The morning sun stands in the east-south-east, above the picture; its glow reaches down.
    QRadialGradient glow(QPointF(xOf(118), -0.3 * h), 0.9 * h);
    glow.setColorAt(0, QColor(255, 250, 225, 170));
    glow.setColorAt(1, QColor(255, 250, 225, 0));
    p.fillRect(QRectF(xOf(118) - h, 0, 2 * h, h), glow);

    // Hills, hazy blue-green, each drawn twice so that it wraps round the seam.
    const double ground = m_top;
    for (const Ridge &r : kRidges) {
        for (double shift : {0.0, double(width), -double(width)}) {
            QPainterPath hill;
            const double left = xOf(r.bearing - r.halfWidth) + shift;
            const double right = xOf(r.bearing + r.halfWidth) + shift;
            hill.moveTo(left, ground);
            for (int i = 0; i <= 40; ++i) {
                const double f = i / 40.0;
                const double bump = std::sin(f * std::numbers::pi);
                const double rough =
                    0.08 * demo::smooth(seed, demo::StreetStream, f * 9 + r.bearing);
                hill.lineTo(left + (right - left) * f,
                            ground - h * r.height * (bump * bump + rough * bump));
            }
            hill.closeSubpath();
            p.fillPath(hill, QColor(0x7d, 0x93, 0x9a));
        }
    }
    // N Seoul Tower on Namsan.
    const double tower = xOf(165);
    p.fillRect(QRectF(tower - 1.5, ground - h * 0.34, 3, h * 0.2), QColor(0x9a, 0xa4, 0xab));
    p.fillRect(QRectF(tower - 4, ground - h * 0.32, 8, h * 0.03), QColor(0x9a, 0xa4, 0xab));

    // Distant towers in the haze.
    for (int i = 0; i * 7 < width; ++i) {
        const auto index = static_cast<quint64>(i);
        if (demo::uniform(seed, demo::StreetStream + 1, index) < 0.35)
            continue;
        const double w = 6 + 18 * demo::uniform(seed, demo::StreetStream + 2, index);
        const double u = demo::uniform(seed, demo::StreetStream + 3, index);
        const double tall = h * (0.04 + 0.22 * u * u);
        const int shade = 0xa0 + int(20 * demo::uniform(seed, demo::StreetStream + 4, index));
        p.fillRect(QRectF(i * 7.0, ground - tall, w, tall + 20),
                   QColor(shade - 12, shade - 2, shade + 8));
    }
    p.fillRect(QRectF(0, ground, width, height - ground), QColor(0x93, 0x97, 0x9a));
    p.end();
    if (mirrored)
        m_panorama = m_panorama.mirrored(true, false);
}

void DemoBackdrop::draw(QPainter &painter, const DemoView &view, double horizonShift) const
{
    const int width = m_panorama.width();
    const double half = view.fieldOfView() / 2;
    double left =
        (m_mirrored ? -(view.heading() + half) : view.heading() - half) / (2 * std::numbers::pi);
    left -= std::floor(left);
    int x = int(left * width) % width;
    const int top = int(std::lround(view.horizon() + horizonShift)) - m_top;
    int drawn = 0;
    while (drawn < view.width()) {
        const int piece = std::min(view.width() - drawn, width - x);
        painter.drawImage(QPoint(drawn, top), m_panorama, QRect(x, 0, piece, m_panorama.height()));
        drawn += piece;
        x = 0;
    }
    const int below = top + m_panorama.height();
    painter.fillRect(QRect(0, below, view.width(), view.height() - below),
                     QColor(0x86, 0x88, 0x89));
    if (top > 0)
        painter.fillRect(QRect(0, 0, view.width(), top), QColor(0x3f, 0x78, 0xbf));
}
