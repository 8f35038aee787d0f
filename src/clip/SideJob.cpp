#include "clip/SideJob.h"

SideJob::SideJob() : m_thread([this] { run(); }) {}

SideJob::~SideJob()
{
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_busy; });
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void SideJob::start(std::function<void()> task)
{
    {
        const std::lock_guard lock(m_mutex);
        m_task = std::move(task);
        m_busy = true;
    }
    m_changed.notify_all();
}

void SideJob::wait()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_busy; });
}

void SideJob::run()
{
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_stop || m_busy; });
            if (m_stop)
                return;
            task = std::move(m_task);
        }
        task();
        {
            const std::lock_guard lock(m_mutex);
            m_busy = false;
        }
        m_changed.notify_all();
    }
}
