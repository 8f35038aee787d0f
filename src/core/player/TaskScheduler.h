#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// Runs a task once after a delay, on the thread of its context object; the context going away
// drops the task. Playback takes its delays from here so that tests can move time by hand.
class TaskScheduler
{
public:
    virtual ~TaskScheduler() = default;
    virtual void runAfter(int milliseconds, QObject *context, std::function<void()> task) = 0;
};

// Delays on the event loop's clock.
class EventLoopScheduler final : public TaskScheduler
{
public:
    void runAfter(int milliseconds, QObject *context, std::function<void()> task) override
    {
        QTimer::singleShot(milliseconds, context, std::move(task));
    }
};
