#include "app/controls/CentreOnScreen.h"

#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect visible = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(visible.topLeft() + QPoint((visible.width() - size.width()) / 2,
                                            (visible.height() - size.height()) / 2));
}
