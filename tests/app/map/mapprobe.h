#pragma once

#include <QCoreApplication>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <atomic>

// Runs a script in the page and waits for its value.
inline QVariant evaluate(QWebEngineView &view, const QString &script)
{
    QVariant result;
    bool done = false;
    view.page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        qWarning("no answer from the page for %s", qPrintable(script));
    return result;
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
