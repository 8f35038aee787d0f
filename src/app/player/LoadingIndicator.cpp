#include "app/player/LoadingIndicator.h"

#include "app/controls/ProgressIndicator.h"

#include <QTimer>

LoadingIndicator::LoadingIndicator(ProgressIndicator *indicator, QWidget *headBox, QObject *parent)
    : QObject(parent), m_indicator(indicator), m_headBox(headBox)
{
    m_indicator->hide();
}

void LoadingIndicator::showLoading(const QString &)
{
    m_indicator->setIndeterminate(true);
    m_stopVideoLoadingView = false;
    m_progress = 0;
    m_indicator->setDoubleValue(m_indicator->minValue());
    m_indicator->show();
    m_indicator->startAnimation();
    // A new run: ticks of an earlier run that are still queued end quietly.
    const quint64 run = ++m_run;
    QTimer::singleShot(kTickMilliseconds, this, [this, run] {
        if (run == m_run)
            updateLoadingWindow(kLoadingSeconds);
    });
}

void LoadingIndicator::updateLoadingWindow(double seconds)
{
    m_progress += 100.0 / (seconds / (kTickMilliseconds / 1000.0));
    m_indicator->setDoubleValue(m_progress);
    const bool timedOut = m_progress >= 100.0 - 1e-9 && !m_stopVideoLoadingView;
    if (m_progress >= 100.0 - 1e-9 || m_stopVideoLoadingView) {
        m_indicator->setDoubleValue(m_indicator->minValue());
        m_indicator->stopAnimation();
        m_indicator->hide();
        m_stopVideoLoadingView = true;
        if (timedOut)
            emit gaveUp();
        return;
    }
    const quint64 run = m_run;
    QTimer::singleShot(kTickMilliseconds, this, [this, run, seconds] {
        if (run == m_run)
            updateLoadingWindow(seconds);
    });
}

void LoadingIndicator::hideLoading()
{
    m_stopVideoLoadingView = true;
}

ProgressIndicator *LoadingIndicator::indicator() const
{
    return m_indicator;
}
