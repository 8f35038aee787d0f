#pragma once

#include "core/player/TaskScheduler.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <vector>

// Delays on a clock that moves only when the test says so; the event loop runs after each task
// so that the players' queued reports arrive in order.
class ManualScheduler final : public TaskScheduler
{
public:
    void runAfter(int milliseconds, QObject *context, std::function<void()> task) override
    {
        m_tasks.push_back({m_now + milliseconds, m_sequence++, context, std::move(task)});
    }

    void advance(qint64 milliseconds)
    {
        const qint64 end = m_now + milliseconds;
        QCoreApplication::processEvents();
        for (;;) {
            const auto next = std::min_element(m_tasks.begin(), m_tasks.end(), earlier);
            if (next == m_tasks.end() || next->due > end)
                break;
            Task task = std::move(*next);
            m_tasks.erase(next);
            m_now = task.due;
            if (task.context)
                task.run();
            QCoreApplication::processEvents();
        }
        m_now = end;
    }

private:
    struct Task
    {
        qint64 due;
        quint64 sequence;
        QPointer<QObject> context;
        std::function<void()> run;
    };
    static bool earlier(const Task &a, const Task &b)
    {
        return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
    }

    qint64 m_now = 0;
    quint64 m_sequence = 0;
    std::vector<Task> m_tasks;
};
