#include "app/controls/TKSegmentedControl.h"

#include <QHBoxLayout>
#include <QPushButton>

TKSegmentedControl::TKSegmentedControl(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TKSegmentedControl::setLabels(const QStringList &labels)
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    for (const QString &text : labels) {
        auto *button = new QPushButton(text, this);
        const int segment = int(m_buttons.size());
        button->setObjectName(QStringLiteral("segment%1").arg(segment));
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        connect(button, &QPushButton::clicked, this, [this, segment] {
            setSelectedSegment(segment);
            emit segmentClicked(segment);
        });
        layout()->addWidget(button);
        m_buttons.append(button);
    }
    const int kept = m_selected;
    m_selected = -1;
    setSelectedSegment(kept);
}

void TKSegmentedControl::setLabel(int segment, const QString &label)
{
    if (segment >= 0 && segment < segmentCount())
        m_buttons[segment]->setText(label);
}

QString TKSegmentedControl::label(int segment) const
{
    return segment >= 0 && segment < segmentCount() ? m_buttons[segment]->text() : QString();
}

void TKSegmentedControl::setSelectedSegment(qint64 segment)
{
    m_selected = segment >= 0 && segment < segmentCount() ? int(segment) : -1;
    for (int i = 0; i < segmentCount(); ++i)
        m_buttons[i]->setChecked(i == m_selected);
}
