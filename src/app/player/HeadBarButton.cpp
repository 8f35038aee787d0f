#include "app/player/HeadBarButton.h"

#include "app/controls/ImageButton.h"
#include "app/player/PlayerWindowUi.h"
#include "core/common/strings.h"

#include <QBoxLayout>

ImageButton *addHeadBarButton(PlayerWindowUi &ui, const char *name, const char *image,
                              const char *tip)
{
    auto *button = new ImageButton(ui.headBox);
    button->setObjectName(QLatin1String(name));
    button->setImageName(QLatin1String(image));
    button->setFixedSize(32, 32);
    button->setToolTip(tvk::text(tip));
    auto *head = qobject_cast<QBoxLayout *>(ui.headBox->layout());
    // The window's own buttons keep their place at the right end.
    head->insertWidget(head->indexOf(ui.minimizeButton), button);
    return button;
}
