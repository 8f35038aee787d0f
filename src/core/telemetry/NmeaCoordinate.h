#pragma once

// Converts an NMEA ddmm.mmmm value (degrees × 100 + minutes) to decimal degrees. No sign is
// applied: callers make the value negative for the hemispheres S and W.
double degreesFromNmeaValue(double value);

// A position on the earth: finite, latitude within ±90 and longitude within ±180 degrees.
// Decimal degrees, either sign.
bool isPossiblePosition(double latitude, double longitude);
