#pragma once

#include <QList>
#include <QRect>

#include <cstdint>
#include <vector>

// The overlay's layer (premultiplied ARGB, as QPainter draws it) laid over an area of the
// encoder's limited-range yuv420p picture, in BT.601 as libswscale converts. Blending is linear
// and so is the colour conversion, so blending in YUV is blending in RGB; the layer is turned
// once into what it adds to each pixel and how much of the picture shows through, and laying
// it over a frame is then a multiply and an add per byte.
namespace clip {

class OverlayPatch
{
public:
    // Takes the layer's area of `width` x `height` (both even) whose top left pixel is at
    // `layer`. The storage is kept from one load to the next: the overlay changes ten times a
    // second, and fresh memory each time costs more than the load.
    void load(const uchar *layer, qsizetype bytesPerLine, int width, int height);

    // Lays the patch over the picture area whose Y, U and V planes start at `planes`.
    void blend(uint8_t *const planes[3], const int strides[3]) const;

private:
    int m_width = 0;
    int m_height = 0;
    // Per pixel of Y, then of U and V: what the layer adds, in 1/256, and the share of the
    // picture that stays, out of 256.
    std::vector<uint16_t> m_addY, m_keepY, m_addU, m_addV, m_keepUV;
};

// The same ground as `areas`, in rectangles that do not overlap, so that each pixel is laid
// over once. Edges on even lines and columns stay so.
QList<QRect> disjointAreas(const QList<QRect> &areas);

} // namespace clip
