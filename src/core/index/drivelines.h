#pragma once

#include "core/common/result.h"
#include "core/index/cardindex.h"

#include <QList>
#include <QPointF>

// A drive of the card as the map draws it among all the others: the line of each of its front
// recordings (x the longitude, y the latitude).
struct DriveLines
{
    QString start; // the trip's start, "yyyy-MM-ddTHH:mm:ss" on the camera's clock
    QString end;
    double kilometres = 0;
    QList<QList<QPointF>> lines;
};

// Every drive of the card in time order, from its index. Routes are thinned to one point in
// `every` (the first and last of each line are kept): a full card holds close to a million
// points, far more than a map shows at once. Recordings outside any trip are left out.
tvk::Result<QList<DriveLines>> indexedDrives(CardIndex &index, int every = 5);
