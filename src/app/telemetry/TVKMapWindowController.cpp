#include "app/telemetry/TVKMapWindowController.h"

#include "app/telemetry/TVKMapView.h"
#include "core/common/log.h"
#include "core/common/strings.h"
#include "ui_TVKMapWindowController.h"

#include <QGuiApplication>

TVKMapWindowController::TVKMapWindowController(QWidget *parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::TVKMapWindowController>())
{
    ui->setupUi(this);
    setWindowTitle(tvk::text("map.window_title"));
    windowDidLoad();
}

TVKMapWindowController::~TVKMapWindowController() = default;

TVKMapView *TVKMapWindowController::mapWebView() const
{
    return ui->mapWebView;
}

void TVKMapWindowController::windowDidLoad()
{
    tvk::log(rectText(frameGeometry()));
    // The view has started loading its page on construction; calls made until it has loaded
    // wait for it.
}

void TVKMapWindowController::moveWindowRightBy(const QRect &frame)
{
    move(originRightOf(frame));
}

void TVKMapWindowController::updateMapLat(double lat, double lng)
{
    ui->mapWebView->moveMarker(lat, lng);
}

QPoint TVKMapWindowController::originRightOf(const QRect &frame)
{
    return QPoint(frame.x() + frame.width(), frame.y());
}

QString TVKMapWindowController::rectText(const QRect &rect)
{
    return QStringLiteral("{{%1, %2}, {%3, %4}}")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}
