#pragma once

#include "clip/AvPointers.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Frames of a clip composed on a thread of their own, a few ahead of the encoder, so that
// decoding, scaling and painting go on while the encoder works. The frames are a small fixed
// set handed back and forth: memory stays bounded however long the clip.
class ComposeAhead
{
public:
    // `compose(n, picture)` fills every pixel of `picture`, a yuv420p frame of `width` x
    // `height`, with frame `n` of `count`.
    using Compose = std::function<void(qint64 n, AVFrame *picture)>;
    ComposeAhead(int width, int height, qint64 count, Compose compose, int depth = 3);
    // Stops the thread, whatever it was doing.
    ~ComposeAhead();

    ComposeAhead(const ComposeAhead &) = delete;
    ComposeAhead &operator=(const ComposeAhead &) = delete;

    // The next frame in order, waiting for it; null when the frames could not be made.
    AVFrame *next();
    // Gives the frame last taken back for reuse.
    void done(AVFrame *picture);

private:
    void run(qint64 count);

    Compose m_compose;
    std::vector<av::Frame> m_frames;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<AVFrame *> m_free, m_ready;
    bool m_stop = false;
    bool m_broken = false;
    std::thread m_thread;
};
