#include "clip/OverlayBlend.h"

#include <algorithm>
#include <cstring>

namespace clip {

namespace {

// BT.601, limited range, of premultiplied colour: the offsets weigh by the coverage. In 1/2^16
// of a step of the result per step of the layer's bytes.
struct Weights
{
    int64_t a, r, g, b;
};
constexpr int64_t weight(double c)
{
    return int64_t(c * 65536 / 255 + (c < 0 ? -0.5 : 0.5));
}
constexpr Weights kLuma{weight(16), weight(65.481), weight(128.553), weight(24.966)};
constexpr Weights kBlue{weight(128), weight(-37.797), weight(-74.203), weight(112.0)};
constexpr Weights kRed{weight(128), weight(112.0), weight(-93.786), weight(-18.214)};

struct Pixel
{
    int64_t a, r, g, b; // premultiplied bytes, or their sums
};

Pixel pixelAt(const uchar *row, int x)
{
    uint32_t argb = 0;
    std::memcpy(&argb, row + qsizetype(x) * 4, 4);
    return {argb >> 24, (argb >> 16) & 0xff, (argb >> 8) & 0xff, argb & 0xff};
}

// Of the picture's byte, out of 256: what stays under `alpha` (of 255 times `scale`).
uint16_t keepOf(int64_t alpha, int64_t scale)
{
    return uint16_t(256 - (alpha * 256 + 127 * scale) / (255 * scale));
}

// What the layer adds to a byte under it, in 1/256; never more than the share the picture
// leaves, so that the sum stays a byte.
uint16_t addOf(const Weights &w, const Pixel &p, int shift, uint16_t keep)
{
    const int64_t value =
        (w.a * p.a + w.r * p.r + w.g * p.g + w.b * p.b + (int64_t(1) << (shift - 1))) >> shift;
    return uint16_t(std::clamp<int64_t>(value, 0, (256 - keep) * 255));
}

void blendPlane(const uint16_t *add, const uint16_t *keep, int width, int height, uint8_t *plane,
                int stride)
{
    for (int y = 0; y < height; ++y) {
        uint8_t *row = plane + qsizetype(y) * stride;
        const uint16_t *a = add + qsizetype(y) * width, *k = keep + qsizetype(y) * width;
        // The product fits 16 bits (256 * 255), the sum does not.
        for (int x = 0; x < width; ++x)
            row[x] = uint8_t((uint32_t(a[x]) + uint16_t(k[x] * row[x]) + 128u) >> 8);
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

void OverlayPatch::load(const uchar *layer, qsizetype bytesPerLine, int width, int height)
{
    m_width = width;
    m_height = height;
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
            const size_t at = size_t(y) * size_t(width) + size_t(x);
            m_keepY[at] = keepOf(p.a, 1);
            m_addY[at] = addOf(kLuma, p, 8, m_keepY[at]);
        }
    }
    // Colour is shared by 2x2 pixels: their sum, weighed a quarter.
    for (int y = 0; y < height / 2; ++y) {
        const uchar *top = layer + 2 * y * bytesPerLine, *bottom = top + bytesPerLine;
        for (int x = 0; x < width / 2; ++x) {
            Pixel sum{0, 0, 0, 0};
            for (const Pixel &p : {pixelAt(top, 2 * x), pixelAt(top, 2 * x + 1),
                                   pixelAt(bottom, 2 * x), pixelAt(bottom, 2 * x + 1)}) {
                sum.a += p.a;
                sum.r += p.r;
                sum.g += p.g;
                sum.b += p.b;
            }
            const size_t at = size_t(y) * size_t(width / 2) + size_t(x);
            m_keepUV[at] = keepOf(sum.a, 4);
            m_addU[at] = addOf(kBlue, sum, 10, m_keepUV[at]);
            m_addV[at] = addOf(kRed, sum, 10, m_keepUV[at]);
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
