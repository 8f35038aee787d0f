#pragma once

#include "core/settings/gsensorthresholds.h"
#include "core/telemetry/GSensor.h"

#include <QList>
#include <QWidget>

class QPainter;

// The strip chart of the three G-sensor axes of the recording being played, on a fixed scale
// from -2 to +2, with a white bar at the play position. It draws no background of its own:
// it sits on the dark panel of the player window.
class GraphView : public QWidget
{
    Q_OBJECT

public:
    explicit GraphView(QWidget *parent = nullptr);

    // Keeps the given array itself (shared, not copied) and redraws.
    void setGraphData(const QList<GSensor> &values);
    // The play position as a fraction of the recording, 0 to 1.
    void updateTimePosition(double position);

    // The card's event thresholds, drawn as faint dashed lines; none hides them.
    void setThresholdLines(const QList<GSensorThresholdLine> &lines);
    const QList<GSensorThresholdLine> &thresholdLines() const { return m_thresholds; }

    const QList<GSensor> &values() const { return m_values; }
    double timePosition() const { return m_timePosition; }

    // Draws the whole chart into bounds: the screen, an image or a printed page.
    void paint(QPainter *painter, const QRectF &bounds) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<GSensor> m_values;
    double m_timePosition = 0.0;
    QList<GSensorThresholdLine> m_thresholds;
};
