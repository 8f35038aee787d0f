#include "app/controls/SegmentedButtons.h"

#include "app/controls/FocusRing.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

// The ring around the segment that has the keyboard, drawn above the buttons because a checked
// button's own focus frame is lost in its highlight.
class SegmentFocusMark : public QWidget
{
public:
    explicit SegmentFocusMark(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }
    // Rings `around`, or nothing when it is empty.
    void mark(const QRect &around)
    {
        m_around = around;
        setVisible(!around.isEmpty());
        raise();
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (m_around.isEmpty())
            return;
        QPainter p(this);
        drawFocusRing(p, QRectF(m_around), palette());
    }

private:
    QRect m_around;
};

SegmentedButtons::SegmentedButtons(QWidget *parent)
    : QWidget(parent), m_mark(new SegmentFocusMark(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // The row itself is the Tab stop, where the layout puts it; its buttons take no focus.
    setFocusPolicy(Qt::TabFocus);
    m_mark->hide();
}

void SegmentedButtons::setLabels(const QStringList &labels)
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    for (const QString &text : labels) {
        auto *button = new QPushButton(text, this);
        const int segment = int(m_buttons.size());
        button->setObjectName(QStringLiteral("segment%1").arg(segment));
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        connect(button, &QPushButton::clicked, this, [this, segment] { choose(segment); });
        layout()->addWidget(button);
        m_buttons.append(button);
    }
    const int kept = m_selected;
    m_selected = -1;
    setSelectedSegment(kept);
}

void SegmentedButtons::setLabel(int segment, const QString &label)
{
    if (segment >= 0 && segment < segmentCount())
        m_buttons[segment]->setText(label);
}

QString SegmentedButtons::label(int segment) const
{
    return segment >= 0 && segment < segmentCount() ? m_buttons[segment]->text() : QString();
}

void SegmentedButtons::setSelectedSegment(qint64 segment)
{
    m_selected = segment >= 0 && segment < segmentCount() ? int(segment) : -1;
    for (int i = 0; i < segmentCount(); ++i)
        m_buttons[i]->setChecked(i == m_selected);
    updateFocusMark();
}

void SegmentedButtons::choose(int segment)
{
    setSelectedSegment(segment);
    emit segmentClicked(segment);
}

void SegmentedButtons::updateFocusMark()
{
    // The chosen segment, or the whole row while none is chosen.
    if (!hasFocus())
        m_mark->mark({});
    else
        m_mark->mark(m_selected >= 0 ? m_buttons[m_selected]->geometry() : rect());
}

void SegmentedButtons::keyPressEvent(QKeyEvent *event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        step = layoutDirection() == Qt::RightToLeft && event->key() == Qt::Key_Left ? 1 : -1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        step = layoutDirection() == Qt::RightToLeft && event->key() == Qt::Key_Right ? -1 : 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const int from = m_selected >= 0 ? m_selected : (step > 0 ? -1 : segmentCount());
    const int to = from + step;
    if (to >= 0 && to < segmentCount() && m_buttons[to]->isEnabled())
        choose(to);
    event->accept();
}

void SegmentedButtons::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    updateFocusMark();
}

void SegmentedButtons::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    updateFocusMark();
}

void SegmentedButtons::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_mark->setGeometry(rect());
    updateFocusMark();
}
