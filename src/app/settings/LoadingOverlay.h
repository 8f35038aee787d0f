#pragma once

#include <QDialog>

class ProgressIndicator;
class QLabel;

// The settings window's "Loading..." sheet: a window-modal panel with a running bar that ticks
// every 0.5 s and closes on the tick after hideLoading, or after 15.5 s at the latest even when
// the work it waits for goes on.
class LoadingOverlay : public QDialog
{
    Q_OBJECT
public:
    explicit LoadingOverlay(QWidget *window);

    void showLoading(const QString &caption);
    void hideLoading() { m_stopLoadingWindow = true; }
    double progress() const { return m_progress; }

    static constexpr int kTickMs = 500;
    static constexpr double kLimitSeconds = 15;

private:
    void updateLoadingWindow(double seconds);

    ProgressIndicator *m_progressIndicator;
    QLabel *m_progressTitleField;
    double m_progress = 0;
    bool m_stopLoadingWindow = true;
};
