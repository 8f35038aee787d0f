#pragma once

#include <QObject>

// What the map page may tell the program, over the web channel: nothing else of the program is
// reachable from the page.
class MapPageChannel : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The name the page finds this object under.
    static constexpr const char *kName = "mapPage";

    // The user asked which recordings passed this place (signed degrees).
    Q_INVOKABLE void recordingsHere(double latitude, double longitude);

signals:
    void recordingsHereRequested(double latitude, double longitude);
};
