#pragma once

#include "telemetry/TVKTelemetry.h"

class QIODevice;

// One row per G-sensor sample with the GPS record that covers it:
// t,x,y,z,gps_t,latitude,longitude,speed,unit (positions in signed decimal degrees; the GPS
// columns stay empty where no record covers the sample). False when the device failed.
bool writeTelemetryCsv(QIODevice &out, const TVKTelemetry &telemetry);
