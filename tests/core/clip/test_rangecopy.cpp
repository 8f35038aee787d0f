// The pixel arithmetic on the encoder's picture. The copy of a camera's full-range picture into
// the encoder's limited range gives what libswscale gives for the same conversion, within one
// step of rounding, and touches nothing beyond its area; so does the overlay's layer laid over
// it, blended as in RGB, in libswscale's colours; and the overlay's areas are laid once each.
#include "clip/AvPointers.h"
#include "clip/OverlayBlend.h"
#include "clip/RangeCopy.h"

#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

av::Frame picture(AVPixelFormat format, int width, int height)
{
    av::Frame frame(av_frame_alloc());
    frame->format = format;
    frame->width = width;
    frame->height = height;
    if (av_frame_get_buffer(frame.get(), 0) < 0)
        return nullptr;
    return frame;
}

} // namespace

class TestRangeCopy : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { av_log_set_level(AV_LOG_ERROR); }

    void as_swscale_does_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("seed");
        QTest::newRow("front camera") << 960 << 540 << 1;
        QTest::newRow("rear camera") << 640 << 360 << 2;
        QTest::newRow("small") << 16 << 8 << 3;
    }
    void as_swscale_does()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, seed);
        av::Frame from = picture(AV_PIX_FMT_YUVJ420P, width, height);
        QVERIFY(from);
        std::srand(unsigned(seed));
        // Every byte value, then noise: the tables' ends are where rounding goes wrong.
        int n = 0;
        for (int plane = 0; plane < 3; ++plane) {
            const int h = plane ? height / 2 : height, w = plane ? width / 2 : width;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x, ++n)
                    from->data[plane][y * from->linesize[plane] + x] =
                        uint8_t(n < 256 ? n : std::rand());
            }
        }
        QVERIFY(clip::canCopyToLimitedRange(from.get(), width, height));
        QVERIFY(!clip::canCopyToLimitedRange(from.get(), width + 2, height));

        av::Frame ours = picture(AV_PIX_FMT_YUV420P, width + 4, height);
        av::Frame theirs = picture(AV_PIX_FMT_YUV420P, width, height);
        QVERIFY(ours && theirs);
        // Copied into an area two pixels in from the left of a wider picture.
        for (int plane = 0; plane < 3; ++plane)
            std::memset(ours->data[plane], 7,
                        size_t(ours->linesize[plane]) * size_t(plane ? height / 2 : height));
        uint8_t *planes[3] = {ours->data[0] + 2, ours->data[1] + 1, ours->data[2] + 1};
        const int strides[3] = {ours->linesize[0], ours->linesize[1], ours->linesize[2]};
        clip::copyToLimitedRange(from.get(), planes, strides);

        av::Scale scale(sws_getContext(width, height, AV_PIX_FMT_YUVJ420P, width, height,
                                       AV_PIX_FMT_YUV420P, SWS_BILINEAR | SWS_ACCURATE_RND, nullptr,
                                       nullptr, nullptr));
        QVERIFY(scale);
        sws_scale(scale.get(), from->data, from->linesize, 0, height, theirs->data,
                  theirs->linesize);
        for (int plane = 0; plane < 3; ++plane) {
            const int h = plane ? height / 2 : height, w = plane ? width / 2 : width;
            const int left = plane ? 1 : 2;
            for (int y = 0; y < h; ++y) {
                const uint8_t *a = ours->data[plane] + y * ours->linesize[plane];
                const uint8_t *b = theirs->data[plane] + y * theirs->linesize[plane];
                for (int x = 0; x < w; ++x) {
                    if (std::abs(a[left + x] - b[x]) > 1)
                        QFAIL(qPrintable(QStringLiteral("plane %1 at %2,%3: %4, libswscale %5")
                                             .arg(plane)
                                             .arg(x)
                                             .arg(y)
                                             .arg(a[left + x])
                                             .arg(b[x])));
                }
                QCOMPARE(a[left - 1], uint8_t(7));
                QCOMPARE(a[left + w], uint8_t(7));
            }
        }
    }

    void overlay_blend_data()
    {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<int>("alpha");
        QTest::newRow("clear") << 0 << 0 << 0 << 0;
        QTest::newRow("opaque white") << 255 << 255 << 255 << 255;
        QTest::newRow("opaque red") << 255 << 0 << 0 << 255;
        QTest::newRow("the band's shade") << 0 << 0 << 0 << 150;
        QTest::newRow("half blue") << 0 << 0 << 255 << 128;
        QTest::newRow("faint green") << 0 << 255 << 0 << 3;
    }
    void overlay_blend()
    {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(int, alpha);
        // The colour in libswscale's terms, from a picture of it alone.
        constexpr int side = 16;
        std::vector<uint32_t> solid(side * side, 0xff000000u | uint32_t(red << 16) |
                                                     uint32_t(green << 8) | uint32_t(blue));
        av::Frame colour = picture(AV_PIX_FMT_YUV420P, side, side);
        QVERIFY(colour);
        av::Scale scale(sws_getContext(side, side, AV_PIX_FMT_BGRA, side, side, AV_PIX_FMT_YUV420P,
                                       SWS_BILINEAR | SWS_ACCURATE_RND, nullptr, nullptr, nullptr));
        QVERIFY(scale);
        const uint8_t *const solidPlanes[1] = {reinterpret_cast<const uint8_t *>(solid.data())};
        const int solidStride[1] = {side * 4};
        sws_scale(scale.get(), solidPlanes, solidStride, 0, side, colour->data, colour->linesize);

        // The layer's area of 36 x 10 laid at 4,2 of a picture of 48 x 16.
        constexpr int width = 36, height = 10, left = 4, top = 2;
        const auto premultiplied = [alpha](int c) {
            return uint32_t((c * alpha + 127) / 255);
        };
        const std::vector<uint32_t> layer(width * height,
                                          uint32_t(alpha) << 24 | premultiplied(red) << 16 |
                                              premultiplied(green) << 8 | premultiplied(blue));
        av::Frame ours = picture(AV_PIX_FMT_YUV420P, 48, 16);
        av::Frame before = picture(AV_PIX_FMT_YUV420P, 48, 16);
        QVERIFY(ours && before);
        std::srand(unsigned(alpha));
        for (int plane = 0; plane < 3; ++plane) {
            for (int i = 0; i < ours->linesize[plane] * (plane ? 8 : 16); ++i)
                before->data[plane][i] = ours->data[plane][i] = uint8_t(16 + std::rand() % 220);
        }
        clip::OverlayPatch patch;
        patch.load(reinterpret_cast<const uchar *>(layer.data()), width * 4, width, height);
        uint8_t *planes[3] = {ours->data[0] + top * ours->linesize[0] + left,
                              ours->data[1] + top / 2 * ours->linesize[1] + left / 2,
                              ours->data[2] + top / 2 * ours->linesize[2] + left / 2};
        patch.blend(planes, ours->linesize);

        for (int plane = 0; plane < 3; ++plane) {
            const int shift = plane ? 1 : 0;
            const QRect area(left >> shift, top >> shift, width >> shift, height >> shift);
            for (int y = 0; y < 16 >> shift; ++y) {
                for (int x = 0; x < 48 >> shift; ++x) {
                    const int at = y * ours->linesize[plane] + x;
                    const int under = before->data[plane][at], got = ours->data[plane][at];
                    const double wanted =
                        area.contains(x, y)
                            ? (alpha * colour->data[plane][0] + (255 - alpha) * under) / 255.0
                            : under;
                    if (std::abs(got - wanted) > 1)
                        QFAIL(qPrintable(QStringLiteral("plane %1 at %2,%3: %4, wanted %5")
                                             .arg(plane)
                                             .arg(x)
                                             .arg(y)
                                             .arg(got)
                                             .arg(wanted)));
                }
            }
        }
    }

    void areas_laid_once_data()
    {
        QTest::addColumn<QList<QRect>>("areas");
        // Side by side with the rear missing: the band over both, the map inside the rear.
        QTest::newRow("band, missing rear, map")
            << QList<QRect>{{0, 0, 96, 6}, {48, 0, 48, 28}, {80, 18, 12, 8}};
        QTest::newRow("apart") << QList<QRect>{{0, 0, 10, 4}, {20, 20, 4, 4}};
        QTest::newRow("the same twice") << QList<QRect>{{2, 2, 8, 8}, {2, 2, 8, 8}};
        QTest::newRow("one inside another") << QList<QRect>{{10, 10, 4, 4}, {0, 0, 30, 30}};
        QTest::newRow("none") << QList<QRect>{};
    }
    void areas_laid_once()
    {
        QFETCH(QList<QRect>, areas);
        const QList<QRect> apart = clip::disjointAreas(areas);
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 100; ++x) {
                const bool named = std::any_of(areas.begin(), areas.end(),
                                               [&](const QRect &r) { return r.contains(x, y); });
                const auto laid = std::count_if(apart.begin(), apart.end(),
                                                [&](const QRect &r) { return r.contains(x, y); });
                QCOMPARE(laid, named ? 1 : 0);
            }
        }
        for (const QRect &r : apart)
            QVERIFY(r.left() % 2 == 0 && r.top() % 2 == 0 && r.width() % 2 == 0 &&
                    r.height() % 2 == 0);
    }
};

QTEST_APPLESS_MAIN(TestRangeCopy)
#include "test_rangecopy.moc"
