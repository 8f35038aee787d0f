#include "app/controls/AppResources.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QQuickWindow>

#include <unistd.h>

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

void prepareApplicationEnvironment()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The web view would otherwise turn the whole window into an OpenGL surface, composed
    // again for every video frame; without a GPU (a software rasterizer) that costs several
    // times the decoding. The map draws well enough in software.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    if (geteuid() == 0) {
        QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!flags.contains("--no-sandbox")) {
            flags.append(flags.isEmpty() ? "--no-sandbox" : " --no-sandbox");
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
        }
    }
}
} // namespace tvk
