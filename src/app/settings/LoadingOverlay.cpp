#include "app/settings/LoadingOverlay.h"

#include "app/controls/ProgressIndicator.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

LoadingOverlay::LoadingOverlay(QWidget *window)
    : QDialog(window), m_progressIndicator(new ProgressIndicator(this)),
      m_progressTitleField(new QLabel(this))
{
    setObjectName(QStringLiteral("loadingSheet"));
    setWindowModality(Qt::WindowModal);
    // A sheet that comes and goes by itself: nothing to minimise, maximise or close.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_progressTitleField);
    layout->addWidget(m_progressIndicator);
    m_progressIndicator->setDrawDockProgress(false);
    m_progressIndicator->setMinimumWidth(280);
}

void LoadingOverlay::showLoading(const QString &caption)
{
    m_progressIndicator->setIndeterminate(true);
    m_stopLoadingWindow = false;
    m_progress = m_progressIndicator->minValue();
    m_progressIndicator->setDoubleValue(m_progress);
    m_progressIndicator->startAnimation();
    m_progressTitleField->setText(caption);
    QTimer::singleShot(kTickMs, this, [this] { updateLoadingWindow(kLimitSeconds); });
    open();
}

void LoadingOverlay::updateLoadingWindow(double seconds)
{
    m_progress += 100 / (2 * seconds);
    m_progressIndicator->setDoubleValue(m_progress);
    if (m_progress >= 100 || m_stopLoadingWindow) {
        m_progress = m_progressIndicator->minValue();
        m_progressIndicator->setDoubleValue(m_progress);
        m_progressIndicator->stopAnimation();
        close();
        m_stopLoadingWindow = true;
        return;
    }
    QTimer::singleShot(kTickMs, this, [this, seconds] { updateLoadingWindow(seconds); });
}
