#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// A task run on a thread of its own while the caller does its share of the same work, then
// waited for: one at a time, the thread kept between tasks.
class SideJob
{
public:
    SideJob();
    // Waits for the task under way, if any.
    ~SideJob();

    SideJob(const SideJob &) = delete;
    SideJob &operator=(const SideJob &) = delete;

    void start(std::function<void()> task);
    void wait();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::function<void()> m_task;
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_thread;
};
