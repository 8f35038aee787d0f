#pragma once

// Converts NMEA ddmm.mmmm values (degrees × 100 + minutes) to decimal degrees. Each value is
// converted only when its result place is given. No sign is applied: callers make the value
// negative for the hemispheres S and W.
void degreesFromNmeaCoordinate(double lat, double lng, double *latOut, double *lngOut);

// The conversion of one value.
double degreesFromNmeaValue(double value);

// A position on the earth: finite, latitude within ±90 and longitude within ±180 degrees.
// Decimal degrees, either sign.
bool isPossiblePosition(double latitude, double longitude);
