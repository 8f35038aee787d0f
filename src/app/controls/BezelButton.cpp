#include "app/controls/BezelButton.h"

#include "app/controls/FocusRing.h"
#include "app/controls/ThreePartImage.h"

#include <QPainter>

BezelButton::BezelButton(QWidget *parent) : QPushButton(parent)
{
    setCheckable(true);
    setChecked(true);
    setFocusPolicy(Qt::TabFocus);
}

QSize BezelButton::sizeHint() const
{
    const QSize label = fontMetrics().size(Qt::TextSingleLine, text());
    return {std::max(56, label.width() + 20), 24};
}

void BezelButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool pressedSet = isDown() || !isChecked();
    if (pressedSet)
        drawThreePartImage(&painter, rect(), QStringLiteral("bg_bt_info_left_pressed"),
                           QStringLiteral("bg_bt_info_center_pressed"),
                           QStringLiteral("bg_bt_info_right_pressed"));
    else
        drawThreePartImage(&painter, rect(), QStringLiteral("bg_bt_info_left"),
                           QStringLiteral("bg_bt_info_center"), QStringLiteral("bg_bt_info_right"));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus())
        drawFocusRing(painter, rect(), palette());
}
