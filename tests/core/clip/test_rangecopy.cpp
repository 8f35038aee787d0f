// The copy of a camera's full-range picture into the encoder's limited range gives what
// libswscale gives for the same conversion, within one step of rounding, and touches nothing
// beyond its area.
#include "clip/AvPointers.h"
#include "clip/RangeCopy.h"

#include <QTest>

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
};

QTEST_APPLESS_MAIN(TestRangeCopy)
#include "test_rangecopy.moc"
