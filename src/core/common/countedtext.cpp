#include "core/common/countedtext.h"

#include <QCoreApplication>

namespace tvk {

QString countText(const char *key, int count)
{
    return qtTrId(key, count);
}

} // namespace tvk
