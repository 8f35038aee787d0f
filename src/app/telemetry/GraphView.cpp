#include "app/telemetry/GraphView.h"

#include "render/GSensorChart.h"

#include <QPainter>

GraphView::GraphView(QWidget *parent) : QWidget(parent) {}

void GraphView::setGraphData(const QList<GSensor> &values)
{
    m_values = values;
    update();
}

void GraphView::setThresholdLines(const QList<GSensorThresholdLine> &lines)
{
    m_thresholds = lines;
    update();
}

void GraphView::updateTimePosition(double position)
{
    m_timePosition = position;
    update();
}

void GraphView::paint(QPainter *painter, const QRectF &bounds) const
{
    const GSensorChart chart(bounds);
    chart.paint(painter,
                gsensorplot::plot(m_values, m_thresholds, m_timePosition, chart.columns()));
}

QSize GraphView::sizeHint() const
{
    return QSize(480, 96);
}

void GraphView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(&painter, rect());
}
