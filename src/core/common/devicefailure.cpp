#include "core/common/devicefailure.h"

#include <QIODevice>

tvk::Failure deviceFailure(const QIODevice &out)
{
    return tvk::Failure{QT_TRID_NOOP("msg.write_fail"), {}, out.errorString()};
}
