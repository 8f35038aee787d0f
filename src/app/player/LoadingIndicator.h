#pragma once

#include <QObject>
#include <QPointer>

class ProgressIndicator;
class QWidget;

// The player window's loading indicator: shown while a recording starts, ticking every 0.3 s,
// giving up after the given number of seconds unless the first time tick hides it first.
class LoadingIndicator : public QObject
{
    Q_OBJECT
public:
    LoadingIndicator(ProgressIndicator *indicator, QWidget *headBox, QObject *parent = nullptr);

    void showLoading(const QString &text = {});
    void updateLoadingWindow(double seconds);
    void hideLoading();

    bool stopVideoLoadingView() const { return m_stopVideoLoadingView; }
    double progress() const { return m_progress; }
    ProgressIndicator *indicator() const;

    static constexpr double kLoadingSeconds = 15.0;
    static constexpr int kTickMilliseconds = 300;

signals:
    // The indicator ran its full time without being hidden: the start never got going.
    void gaveUp();

private:
    QPointer<ProgressIndicator> m_indicator;
    QPointer<QWidget> m_headBox;
    bool m_stopVideoLoadingView = true;
    double m_progress = 0;
    quint64 m_run = 0;
};
