#pragma once

#include "core/settings/FileData.h"

#include <QList>

// Where the camera starts an event recording while driving: one line per side of each axis,
// in g, around the axis' value at rest (X and Y 0, Z +1 g, gravity).
struct GSensorThresholdLine
{
    char axis = 'X'; // 'X', 'Y' or 'Z'
    double g = 0;
};

// The driving thresholds of config.bin as lines on the G-sensor graph; none when the camera
// records no G-sensor events, and none for an axis whose threshold is not above zero.
QList<GSensorThresholdLine> drivingThresholdLines(const SettingsRecord &settings);
