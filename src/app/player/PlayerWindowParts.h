#pragma once

#include "app/controls/ImageButton.h"
#include "app/controls/SeekSlider.h"

#include <QLabel>
#include <QSlider>
#include <QWidget>

// Small makers of the player window's named widgets.
namespace playerui {

inline QWidget *box(const char *name, QWidget *parent)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setAttribute(Qt::WA_StyledBackground);
    return widget;
}

inline ImageButton *imageButton(const char *name, const char *image, QWidget *parent, int side = 32)
{
    auto *button = new ImageButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setImageName(QLatin1String(image));
    button->setFixedSize(side, side);
    return button;
}

inline QLabel *field(const char *name, QWidget *parent, const QString &text = {})
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

inline QSlider *slider(const char *name, QWidget *parent, int maximum)
{
    auto *s = new SeekSlider(parent);
    s->setObjectName(QLatin1String(name));
    s->setRange(0, maximum);
    s->setFocusPolicy(Qt::NoFocus);
    return s;
}

} // namespace playerui
