#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QPushButton;
class SegmentFocusMark;

// A row of buttons of which at most one is selected, like a tab bar without pages. Unlike a
// button group it can show no selection at all: a stored index outside the segments selects
// nothing, so that a value the control cannot show is never silently replaced by another.
// The keyboard reaches it as one Tab stop; the arrow keys choose among its segments.
class SegmentedButtons : public QWidget
{
    Q_OBJECT
public:
    explicit SegmentedButtons(QWidget *parent = nullptr);

    void setLabels(const QStringList &labels);
    void setLabel(int segment, const QString &label);
    QString label(int segment) const;
    int segmentCount() const { return int(m_buttons.size()); }

    // -1 when no segment is selected.
    int selectedSegment() const { return m_selected; }
    // Selects the segment, or none when the index lies outside the segments.
    void setSelectedSegment(qint64 segment);

signals:
    // The user chose a segment (also when it was already selected).
    void segmentClicked(int segment);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void choose(int segment);
    void updateFocusMark();

    QList<QPushButton *> m_buttons;
    SegmentFocusMark *m_mark = nullptr;
    int m_selected = -1;
};
