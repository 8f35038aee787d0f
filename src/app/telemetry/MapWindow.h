#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include <memory>

class MapView;

namespace Ui {
class MapWindow;
}

// The separate map window that shows the position of one driving record.
class MapWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MapWindow(QWidget *parent = nullptr);
    ~MapWindow() override;

    MapView *mapWebView() const;

    // Puts this window beside another: its top-left corner meets the frame's top-right corner.
    // The size stays and the move is immediate.
    void moveWindowRightBy(const QRect &frame);
    // Shows a position given in decimal degrees.
    void updateMapLat(double lat, double lng);

    // Where moveWindowRightBy puts the window's top-left corner (screen coordinates with y
    // downwards, where the other window's height does not enter).
    static QPoint originRightOf(const QRect &frame);
    // The text form of a rectangle in the log: "{{x, y}, {width, height}}".
    static QString rectText(const QRect &rect);

private:
    void windowDidLoad();

    std::unique_ptr<Ui::MapWindow> ui;
};
