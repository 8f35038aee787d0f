#include "app/telemetry/MapWindow.h"

#include "app/controls/ReadingOrder.h"
#include "app/telemetry/MapView.h"
#include "core/common/log.h"
#include "core/common/strings.h"
#include "ui_MapWindow.h"

#include <QGuiApplication>

MapWindow::MapWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::MapWindow>())
{
    ui->setupUi(this);
    followReadingOrder(this);
    setWindowTitle(tvk::text("map.window_title"));
    windowDidLoad();
}

MapWindow::~MapWindow() = default;

MapView *MapWindow::mapWebView() const
{
    return ui->mapWebView;
}

void MapWindow::windowDidLoad()
{
    tvk::log(rectText(frameGeometry()));
    // The view has started loading its page on construction; calls made until it has loaded
    // wait for it.
}

void MapWindow::moveWindowRightBy(const QRect &frame)
{
    move(originRightOf(frame));
}

void MapWindow::updateMapLat(double lat, double lng)
{
    ui->mapWebView->moveMarker(lat, lng);
}

QPoint MapWindow::originRightOf(const QRect &frame)
{
    return QPoint(frame.x() + frame.width(), frame.y());
}

QString MapWindow::rectText(const QRect &rect)
{
    return QStringLiteral("{{%1, %2}, {%3, %4}}")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}
