#include "app/controls/IconProgress.h"

#include "app/controls/NamedImage.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kIconSize = 128;
constexpr int kBarHeight = 16;

qint64 steadyMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}
} // namespace

IconProgress &applicationIconProgress()
{
    static auto *instance = new IconProgress;
    return *instance;
}

IconProgress::IconProgress()
{
    m_dockIcon = QApplication::windowIcon().pixmap(kIconSize, kIconSize);
    m_composed = m_dockIcon;
    m_theTimer.setSingleShot(true);
    connect(&m_theTimer, &QTimer::timeout, this, &IconProgress::drawProgressIndicators);
}

void IconProgress::addProgressIndicator(QObject *indicator, BarReader read)
{
    const auto known = [indicator](const Registered &r) {
        return r.indicator == indicator;
    };
    if (std::none_of(m_progressIndicators.cbegin(), m_progressIndicators.cend(), known))
        m_progressIndicators.append({indicator, std::move(read)});
    scheduleDraw(100);
}

void IconProgress::removeProgressIndicator(QObject *indicator)
{
    m_progressIndicators.removeIf(
        [indicator](const Registered &r) { return r.indicator == indicator; });
    scheduleDraw(100);
}

void IconProgress::scheduleDraw(int milliseconds)
{
    m_theTimer.start(milliseconds);
}

void IconProgress::drawProgressIndicators()
{
    m_theTimer.stop();
    m_progressIndicators.removeIf([](const Registered &r) { return r.indicator.isNull(); });
    QPixmap icon = m_dockIcon.isNull() ? QPixmap(kIconSize, kIconSize) : m_dockIcon.copy();
    if (m_dockIcon.isNull())
        icon.fill(Qt::transparent);
    if (m_progressIndicators.isEmpty()) {
        m_composed = icon;
        QApplication::setWindowIcon(QIcon(icon));
        announceLauncherProgress(false, 0);
        return;
    }

    QPainter painter(&icon);
    bool spinning = false;
    double firstProgress = 0;
    for (int i = 0; i < m_progressIndicators.size(); ++i) {
        const Bar bar = m_progressIndicators[i].read();
        const int top = icon.height() - kBarHeight * (i + 1);
        const QRect slot(0, top, kIconSize, kBarHeight);
        painter.setClipRect(slot);
        if (bar.indeterminate) {
            const qint64 now = steadyMs();
            const double seconds = (now - m_lastSpin) / 1000.0;
            m_spinOffset =
                std::fmod(m_spinOffset + 1.5 * 32 * (seconds - std::floor(seconds)), 32.0);
            m_lastSpin = now;
            painter.drawPixmap(
                QPointF(-m_spinOffset, top),
                tvk::namedPixmap(QStringLiteral("barberProgress"), {160, kBarHeight}));
            spinning = true;
        } else {
            const double range = bar.maxValue - bar.minValue;
            const double fraction = range > 0 ? (bar.value - bar.minValue) / range : 0;
            const int w = static_cast<int>(std::clamp(fraction, 0.0, 1.0) * kIconSize);
            painter.drawPixmap(
                0, top, tvk::namedPixmap(QStringLiteral("greyProgress"), {kIconSize, kBarHeight}));
            painter.setClipRect(QRect(0, top, w, kBarHeight));
            painter.drawPixmap(
                0, top, tvk::namedPixmap(QStringLiteral("blueProgress"), {kIconSize, kBarHeight}));
            if (i == 0)
                firstProgress = fraction;
        }
    }
    painter.end();
    m_composed = icon;
    QApplication::setWindowIcon(QIcon(icon));
    announceLauncherProgress(true, firstProgress);
    if (spinning)
        scheduleDraw(100);
}

void IconProgress::restoreIcon()
{
    m_composed = m_dockIcon;
    QApplication::setWindowIcon(QIcon(m_dockIcon));
}

void IconProgress::announceLauncherProgress(bool visible, double progress)
{
    if (!visible && !m_announced)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        QStringLiteral("/com/tavik/viewer/launcherentry"),
        QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    const QVariantMap properties{{QStringLiteral("progress"), progress},
                                 {QStringLiteral("progress-visible"), visible}};
    signal << QStringLiteral("application://%1.desktop").arg(QApplication::desktopFileName())
           << properties;
    bus.send(signal);
    m_announced = visible;
}
