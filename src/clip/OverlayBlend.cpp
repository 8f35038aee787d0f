#include "clip/OverlayBlend.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace clip {

namespace {

struct Pixel
{
    double a, r, g, b; // premultiplied, 0..255
};

Pixel pixelAt(const uchar *row, int x)
{
    uint32_t argb = 0;
    std::memcpy(&argb, row + qsizetype(x) * 4, 4);
    return {double(argb >> 24), double((argb >> 16) & 0xff), double((argb >> 8) & 0xff),
            double(argb & 0xff)};
}

uint16_t fixed(double value)
{
    return uint16_t(std::clamp(std::lround(value * 256), 0L, 65535L));
}

uint16_t keep(double alpha)
{
    return uint16_t(256 - std::lround(alpha * 256 / 255));
}

// BT.601, limited range, of premultiplied colour: the offsets weigh by the coverage.
double lumaOf(const Pixel &p)
{
    return (16 * p.a + 65.481 * p.r + 128.553 * p.g + 24.966 * p.b) / 255;
}
double blueOf(const Pixel &p)
{
    return (128 * p.a - 37.797 * p.r - 74.203 * p.g + 112.0 * p.b) / 255;
}
double redOf(const Pixel &p)
{
    return (128 * p.a + 112.0 * p.r - 93.786 * p.g - 18.214 * p.b) / 255;
}

void blendPlane(const uint16_t *add, const uint16_t *keep, int width, int height, uint8_t *plane,
                int stride)
{
    for (int y = 0; y < height; ++y) {
        uint8_t *row = plane + qsizetype(y) * stride;
        const uint16_t *a = add + qsizetype(y) * width, *k = keep + qsizetype(y) * width;
        for (int x = 0; x < width; ++x)
            row[x] =
                uint8_t(std::min((uint32_t(a[x]) + uint32_t(k[x]) * row[x] + 128u) >> 8, 255u));
    }
}

// `from` less `hole`: up to four rectangles.
void subtract(const QRect &from, const QRect &hole, QList<QRect> &out)
{
    const QRect common = from & hole;
    if (common.isEmpty()) {
        out.append(from);
        return;
    }
    if (common.top() > from.top())
        out.append(QRect(QPoint(from.left(), from.top()), QPoint(from.right(), common.top() - 1)));
    if (common.bottom() < from.bottom())
        out.append(
            QRect(QPoint(from.left(), common.bottom() + 1), QPoint(from.right(), from.bottom())));
    if (common.left() > from.left())
        out.append(
            QRect(QPoint(from.left(), common.top()), QPoint(common.left() - 1, common.bottom())));
    if (common.right() < from.right())
        out.append(
            QRect(QPoint(common.right() + 1, common.top()), QPoint(from.right(), common.bottom())));
}

} // namespace

OverlayPatch::OverlayPatch(const uchar *layer, qsizetype bytesPerLine, int width, int height)
    : m_width(width), m_height(height)
{
    const size_t luma = size_t(width) * size_t(height), chroma = luma / 4;
    m_addY.resize(luma);
    m_keepY.resize(luma);
    m_addU.resize(chroma);
    m_addV.resize(chroma);
    m_keepUV.resize(chroma);
    for (int y = 0; y < height; ++y) {
        const uchar *row = layer + y * bytesPerLine;
        for (int x = 0; x < width; ++x) {
            const Pixel p = pixelAt(row, x);
            m_addY[size_t(y) * size_t(width) + size_t(x)] = fixed(lumaOf(p));
            m_keepY[size_t(y) * size_t(width) + size_t(x)] = keep(p.a);
        }
    }
    // Colour is shared by 2x2 pixels: their mean.
    for (int y = 0; y < height / 2; ++y) {
        const uchar *top = layer + 2 * y * bytesPerLine, *bottom = top + bytesPerLine;
        for (int x = 0; x < width / 2; ++x) {
            Pixel mean{0, 0, 0, 0};
            for (const Pixel &p : {pixelAt(top, 2 * x), pixelAt(top, 2 * x + 1),
                                   pixelAt(bottom, 2 * x), pixelAt(bottom, 2 * x + 1)}) {
                mean.a += p.a / 4;
                mean.r += p.r / 4;
                mean.g += p.g / 4;
                mean.b += p.b / 4;
            }
            const size_t at = size_t(y) * size_t(width / 2) + size_t(x);
            m_addU[at] = fixed(blueOf(mean));
            m_addV[at] = fixed(redOf(mean));
            m_keepUV[at] = keep(mean.a);
        }
    }
}

void OverlayPatch::blend(uint8_t *const planes[3], const int strides[3]) const
{
    blendPlane(m_addY.data(), m_keepY.data(), m_width, m_height, planes[0], strides[0]);
    blendPlane(m_addU.data(), m_keepUV.data(), m_width / 2, m_height / 2, planes[1], strides[1]);
    blendPlane(m_addV.data(), m_keepUV.data(), m_width / 2, m_height / 2, planes[2], strides[2]);
}

QList<QRect> disjointAreas(const QList<QRect> &areas)
{
    QList<QRect> out;
    for (const QRect &area : areas) {
        QList<QRect> pieces{area};
        for (const QRect &taken : std::as_const(out)) {
            QList<QRect> left;
            for (const QRect &piece : std::as_const(pieces))
                subtract(piece, taken, left);
            pieces = left;
        }
        for (const QRect &piece : std::as_const(pieces)) {
            if (!piece.isEmpty())
                out.append(piece);
        }
    }
    return out;
}

} // namespace clip
