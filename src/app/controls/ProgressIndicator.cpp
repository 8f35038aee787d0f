#include "app/controls/ProgressIndicator.h"

#include "app/controls/IconProgress.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr qint64 kBusyPeriodMs = 1400;

// The bar as the application's icon shows it, read when the icon is drawn.
IconProgress::BarReader iconBar(const ProgressIndicator *bar)
{
    return [bar] {
        return IconProgress::Bar{bar->isIndeterminate(), bar->doubleValue(), bar->minValue(),
                                 bar->maxValue()};
    };
}
} // namespace

ProgressIndicator::ProgressIndicator(QWidget *parent) : QProgressBar(parent)
{
    m_clock.start();
    setTextVisible(false);
    QProgressBar::setRange(0, 1000);
    m_busy.setInterval(33);
    connect(&m_busy, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

ProgressIndicator::~ProgressIndicator()
{
    setDrawDockProgress(false);
}

void ProgressIndicator::setDoubleValue(double value)
{
    const int whole = static_cast<int>(value);
    if (whole == m_lastValue)
        return;
    m_value = value;
    m_lastValue = whole;
    if (!m_indeterminate && m_max > m_min)
        QProgressBar::setValue(static_cast<int>((value - m_min) / (m_max - m_min) * 1000));
    if (m_drawDockProgress) {
        IconProgress &dock = applicationIconProgress();
        dock.addProgressIndicator(this, iconBar(this));
        const double f = (value - m_min) / (m_max - m_min);
        if (f > m_max - 0.00001 || f < m_min + 0.00001)
            dock.removeProgressIndicator(this);
    }
    if (m_progressText)
        updateProgressText();
}

void ProgressIndicator::setIndeterminate(bool indeterminate)
{
    m_indeterminate = indeterminate;
    if (indeterminate)
        QProgressBar::setRange(0, 0);
    else
        QProgressBar::setRange(0, 1000);
}

void ProgressIndicator::startAnimation()
{
    if (!m_indeterminate)
        return;
    QProgressBar::setRange(0, 0);
    m_busy.start();
}

void ProgressIndicator::stopAnimation()
{
    m_busy.stop();
    QProgressBar::setRange(0, 1000);
    QProgressBar::setValue(0);
}

void ProgressIndicator::paintEvent(QPaintEvent *event)
{
    // Styles draw a busy bar as a full one, or animate it only on some platforms: a stripe
    // that runs across the track says "busy" everywhere.
    if (!m_busy.isActive()) {
        QProgressBar::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = track.height() / 2;
    QPainterPath clip;
    clip.addRoundedRect(track, radius, radius);
    painter.setClipPath(clip);
    QColor groove = palette().color(QPalette::Mid);
    groove.setAlphaF(0.45f);
    painter.fillRect(track, groove);
    const qreal stripe = track.width() * 0.3;
    const qreal phase = double(m_clock.elapsed() % kBusyPeriodMs) / kBusyPeriodMs;
    const QRectF run(track.left() - stripe + phase * (track.width() + stripe), track.top(), stripe,
                     track.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Highlight));
    painter.drawRoundedRect(run, radius, radius);
}

void ProgressIndicator::updateProgressText()
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

void ProgressIndicator::setDrawDockProgress(bool draw)
{
    m_drawDockProgress = draw;
    IconProgress &dock = applicationIconProgress();
    if (draw)
        dock.addProgressIndicator(this, iconBar(this));
    else
        dock.removeProgressIndicator(this);
}
