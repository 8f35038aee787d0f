#pragma once

#include "app/telemetry/MapView.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <atomic>

// Runs a script in the page and waits for its value. The wait runs an event loop: the web
// engine works on this thread and polling with sleeps would slow it down many times.
inline QVariant evaluate(QWebEngineView &view, const QString &script)
{
    QVariant result;
    QEventLoop loop;
    QTimer::singleShot(10000, &loop, [&] {
        qWarning("no answer from the page for %s", qPrintable(script));
        loop.quit();
    });
    view.page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        loop.quit();
    });
    loop.exec();
    return result;
}

// Waits for the view's page to finish loading.
inline bool waitForPage(MapView &view)
{
    if (view.isPageLoaded())
        return true;
    QEventLoop loop;
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    QObject::connect(&view, &QWebEngineView::loadFinished, &loop, &QEventLoop::quit);
    loop.exec();
    return view.isPageLoaded();
}

inline QVariantMap mapState(QWebEngineView &view)
{
    return evaluate(view, QStringLiteral("mapState()")).toMap();
}

// Refuses every tile request, so that the page is offline whether the machine has a network
// or not.
class TileBlocker : public QWebEngineUrlRequestInterceptor
{
public:
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (info.requestUrl().host() == QLatin1String("tile.openstreetmap.org")) {
            ++blocked;
            info.block(true);
        }
    }
    std::atomic<int> blocked{0};
};
