#include "app/records/TVKRecordMap.h"

#include "app/telemetry/TVKMapView.h"
#include "app/telemetry/TVKMapWindowController.h"

namespace {

class MapWindowRecordMap : public TVKRecordMap
{
public:
    void showBeside(const QRect &frame) override
    {
        if (!m_placed) {
            m_window.moveWindowRightBy(frame);
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
    TVKMapWindowController m_window;
    bool m_placed = false;
};

} // namespace

std::unique_ptr<TVKRecordMap> makeRecordMapWindow()
{
    return std::make_unique<MapWindowRecordMap>();
}
