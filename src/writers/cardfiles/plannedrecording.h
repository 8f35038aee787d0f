#pragma once

#include "core/common/result.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Where the car is at one second of a planned recording.
struct PlannedPosition
{
    double latitude = 0;
    double longitude = 0;
    double metresPerSecond = 0;
    double course = 0; // degrees clockwise from north
};

// A recording made to order for tests and benchmarks: chosen name, length, camera clock,
// receiver time and position, written by the project's AVI writer with one placeholder
// frame per second (the header's length comes out exact) and an audio stream without sound.
struct PlannedRecording
{
    QString path;     // where to write it; its name decides kind, side and start
    int seconds = 60; // one GPS record and ten G-sensor samples per second
    // The receiver's UTC time at the first second; invalid: the receiver has no fix yet
    // (RMC status V, no position).
    QDateTime utcStart;
    int fixFromSecond = 0;     // the seconds before this one have no fix yet
    double latitude = 37.5665; // signed degrees at the first second
    double longitude = 126.978;
    double metresPerSecond = 10;  // due east
    quint32 cameraClockMs = 5000; // the camera's clock at the first record
    bool lengthInHeader = true;   // false: the header's frame count is 0 (unreadable length)
    double peakG = 0;             // > 0: one braking sample of this size half-way through
    bool telemetry = true;        // false: no GPS or G-sensor records at all
    // One position a second; when given, the car follows it instead of driving due east.
    QList<PlannedPosition> track;
};

// Creates the file's folder as needed.
tvk::Result<void> writePlannedRecording(const PlannedRecording &plan);
