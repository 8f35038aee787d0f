#pragma once

#include "core/player/ProgressEstimate.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>

// A progress bar that can write its percentage and a remaining-time estimate into a text
// field, and mirror itself as a bar on the application's icon.
class ProgressIndicator : public QProgressBar
{
    Q_OBJECT
public:
    explicit ProgressIndicator(QWidget *parent = nullptr);
    ~ProgressIndicator() override;

    void setDoubleValue(double value);
    double doubleValue() const { return m_value; }
    void setMinValue(double value) { m_min = value; }
    void setMaxValue(double value) { m_max = value; }
    double minValue() const { return m_min; }
    double maxValue() const { return m_max; }
    void setIndeterminate(bool indeterminate);
    bool isIndeterminate() const { return m_indeterminate; }
    void startAnimation();
    void stopAnimation();

    void setProgressText(QLabel *field) { m_progressText = field; }
    void updateProgressText();

    bool drawDockProgress() const { return m_drawDockProgress; }
    void setDrawDockProgress(bool draw);
    bool displayPercentage() const { return m_displayPercentage; }
    void setDisplayPercentage(bool display) { m_displayPercentage = display; }
    bool displayTimeRemaining() const { return m_displayTimeRemaining; }
    void setDisplayTimeRemaining(bool display) { m_displayTimeRemaining = display; }
    int lastValue() const { return m_lastValue; }
    bool isAnimating() const { return m_busy.isActive(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<QLabel> m_progressText;
    ProgressEstimate m_estimate;
    QElapsedTimer m_clock;
    QTimer m_busy; // repaints the running stripe of an indeterminate bar
    double m_value = 0;
    double m_min = 0;
    double m_max = 100;
    int m_lastValue = 0;
    bool m_indeterminate = false;
    bool m_drawDockProgress = true;
    bool m_displayPercentage = false;
    bool m_displayTimeRemaining = true;
};
