#include "core/common/waitingjobs.h"

#include <QThread>
#include <QThreadPool>

#include <algorithm>

namespace tvk {

QThreadPool *waitingJobs()
{
    static QThreadPool *pool = [] {
        auto *p = new QThreadPool;
        p->setMaxThreadCount(std::max(4, QThread::idealThreadCount()));
        return p;
    }();
    return pool;
}

} // namespace tvk
