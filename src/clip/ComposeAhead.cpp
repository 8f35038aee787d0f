#include "clip/ComposeAhead.h"

ComposeAhead::ComposeAhead(int width, int height, qint64 count, Compose compose, int depth)
    : m_compose(std::move(compose))
{
    for (int i = 0; i < depth; ++i) {
        av::Frame frame(av_frame_alloc());
        if (!frame)
            break;
        frame->format = AV_PIX_FMT_YUV420P;
        frame->width = width;
        frame->height = height;
        if (av_frame_get_buffer(frame.get(), 0) < 0)
            break;
        m_free.push_back(frame.get());
        m_frames.push_back(std::move(frame));
    }
    if (m_frames.empty()) {
        m_broken = true;
        return;
    }
    m_thread = std::thread([this, count] { run(count); });
}

ComposeAhead::~ComposeAhead()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void ComposeAhead::run(qint64 count)
{
    for (qint64 n = 0; n < count; ++n) {
        AVFrame *picture = nullptr;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_stop || !m_free.empty(); });
            if (m_stop)
                return;
            picture = m_free.front();
            m_free.pop_front();
        }
        // The encoder may still hold a frame it was given; then this one gets a buffer of its own.
        const bool writable = av_frame_make_writable(picture) >= 0;
        if (writable)
            m_compose(n, picture);
        {
            const std::lock_guard lock(m_mutex);
            if (!writable) {
                m_broken = true;
                m_changed.notify_all();
                return;
            }
            m_ready.push_back(picture);
        }
        m_changed.notify_all();
    }
}

AVFrame *ComposeAhead::next()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_broken || !m_ready.empty(); });
    if (m_ready.empty())
        return nullptr;
    AVFrame *picture = m_ready.front();
    m_ready.pop_front();
    return picture;
}

void ComposeAhead::done(AVFrame *picture)
{
    {
        const std::lock_guard lock(m_mutex);
        m_free.push_back(picture);
    }
    m_changed.notify_all();
}
