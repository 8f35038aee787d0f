#include "PMProgressIndicator.h"

#include "PMProgressIndicatorController.h"

#include <QLabel>

PMProgressIndicator::PMProgressIndicator(QWidget *parent) : QProgressBar(parent)
{
    m_clock.start();
    setTextVisible(false);
    QProgressBar::setRange(0, 1000);
}

PMProgressIndicator::~PMProgressIndicator()
{
    setDrawDockProgress(false);
}

void PMProgressIndicator::setDoubleValue(double value)
{
    const int whole = static_cast<int>(value);
    if (whole == m_lastValue)
        return;
    m_value = value;
    m_lastValue = whole;
    if (!m_indeterminate && m_max > m_min)
        QProgressBar::setValue(static_cast<int>((value - m_min) / (m_max - m_min) * 1000));
    if (m_drawDockProgress) {
        auto *dock = PMProgressIndicatorController::sharedInstance();
        dock->addProgressIndicator(this);
        const double f = (value - m_min) / (m_max - m_min);
        if (f > m_max - 0.00001 || f < m_min + 0.00001)
            dock->removeProgressIndicator(this);
    }
    if (m_progressText)
        updateProgressText();
}

void PMProgressIndicator::setIndeterminate(bool indeterminate)
{
    m_indeterminate = indeterminate;
    if (indeterminate)
        QProgressBar::setRange(0, 0);
    else
        QProgressBar::setRange(0, 1000);
}

void PMProgressIndicator::startAnimation()
{
    // Qt animates an indeterminate bar by itself while it is shown.
    if (m_indeterminate)
        QProgressBar::setRange(0, 0);
}

void PMProgressIndicator::stopAnimation()
{
    QProgressBar::setRange(0, 1000);
    QProgressBar::setValue(0);
}

void PMProgressIndicator::updateProgressText()
{
    if (!m_progressText)
        return;
    ProgressEstimate::Settings settings;
    settings.minValue = m_min;
    settings.maxValue = m_max;
    settings.indeterminate = m_indeterminate;
    settings.displayPercentage = m_displayPercentage;
    settings.displayTimeRemaining = m_displayTimeRemaining;
    if (const auto text = m_estimate.update(m_value, m_clock.elapsed(), settings))
        m_progressText->setText(*text);
}

void PMProgressIndicator::setDrawDockProgress(bool draw)
{
    m_drawDockProgress = draw;
    auto *dock = PMProgressIndicatorController::sharedInstance();
    if (draw)
        dock->addProgressIndicator(this);
    else
        dock->removeProgressIndicator(this);
}
