#pragma once

#include <QPushButton>

// A text button on a three-part bezel: "bg_bt_info_*" while its state is on, the "_pressed"
// set while it is off or held down.
class BezelButton : public QPushButton
{
    Q_OBJECT
public:
    explicit BezelButton(QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
