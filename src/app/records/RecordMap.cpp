#include "app/records/RecordMap.h"

#include "app/telemetry/MapView.h"
#include "app/telemetry/MapWindow.h"
#include "core/common/placebeside.h"
#include "core/common/strings.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 36;

class MapWindowRecordMap : public RecordMap
{
public:
    MapWindowRecordMap() { m_window.setWindowTitle(tvk::text("records.map_title")); }

    void showBeside(const QRect &frame) override
    {
        if (!m_placed) {
            QScreen *screen = QGuiApplication::screenAt(frame.center());
            if (!screen)
                screen = QGuiApplication::primaryScreen();
            // The title bar and borders the window manager adds are not known before the
            // window is shown; room is left for those of a usual one.
            const QSize outer = m_window.size() + QSize(kFrameWidth, kFrameHeight);
            m_window.move(placeBeside(frame, outer, screen->availableGeometry()));
            m_placed = true;
        }
        m_window.show();
        m_window.raise();
    }
    void setRoute(const QList<QPointF> &points) override
    {
        m_window.mapWebView()->setRoute(points);
    }
    void showPosition(double latitude, double longitude) override
    {
        m_window.updateMapLat(latitude, longitude);
    }

private:
    MapWindow m_window;
    bool m_placed = false;
};

} // namespace

std::unique_ptr<RecordMap> makeRecordMapWindow()
{
    return std::make_unique<MapWindowRecordMap>();
}
