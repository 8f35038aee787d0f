#pragma once

#include <QDateTime>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

// Mirrors the registered progress bars on the application's icon (the window icon that docks
// and task bars show), one 16-point bar each from the bottom up, and announces the progress to
// docks that follow the launcher-entry signal on the session bus.
class IconProgress : public QObject
{
    Q_OBJECT
public:
    IconProgress();

    // What one bar on the icon shows, read each time the icon is drawn.
    struct Bar
    {
        bool indeterminate = false;
        double value = 0;
        double minValue = 0;
        double maxValue = 100;
    };
    using BarReader = std::function<Bar()>;

    // A bar for the indicator, until it is removed or destroyed; adding it again keeps its place.
    void addProgressIndicator(QObject *indicator, BarReader read);
    void removeProgressIndicator(QObject *indicator);
    quint64 numProgressIndicators() const
    {
        return static_cast<quint64>(m_progressIndicators.size());
    }
    void drawProgressIndicators();
    void restoreIcon();
    // The icon as last composed (the plain icon when nothing is registered).
    const QPixmap &composedIcon() const { return m_composed; }

private:
    void scheduleDraw(int milliseconds);
    void announceLauncherProgress(bool visible, double progress);

    struct Registered
    {
        QPointer<QObject> indicator;
        BarReader read;
    };
    QList<Registered> m_progressIndicators;
    QPixmap m_dockIcon;
    QPixmap m_composed;
    QTimer m_theTimer;
    qint64 m_lastSpin = 0;
    double m_spinOffset = 0;
    bool m_announced = false;
};

// The mirror of the application's icon: one, like the icon itself (QGuiApplication::windowIcon),
// made on first use and kept for the life of the process.
IconProgress &applicationIconProgress();
