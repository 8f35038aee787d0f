#include "appresources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(images);
    Q_INIT_RESOURCE(map);
    Q_INIT_RESOURCE(style);
}

namespace tvk {
void initAppResources()
{
    initResources();
}
} // namespace tvk
