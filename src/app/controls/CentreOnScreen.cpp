#include "app/controls/CentreOnScreen.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect visible = screen->availableGeometry();
    // A window larger than the screen (a laptop at scale factor 2) gives up what it may, and
    // keeps its top left corner, with its title bar, on the screen.
    const QSize frameExtra = window->frameGeometry().size() - window->size();
    const QSize room = visible.size() - frameExtra;
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room).expandedTo(window->minimumSize()));
    const QSize size = window->frameGeometry().size();
    const QPoint centred = visible.topLeft() + QPoint((visible.width() - size.width()) / 2,
                                                      (visible.height() - size.height()) / 2);
    window->move(std::max(centred.x(), visible.left()), std::max(centred.y(), visible.top()));
}
