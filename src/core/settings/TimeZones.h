#pragma once

#include <QDateTime>
#include <QTimeZone>

#include <array>

// The camera's 34 time zones; time_gmt of the settings record is an index into this list.
struct TimeZoneCode
{
    const char *label; // shown as it is, "-12:00" .. "+13:00"
    int code;          // signed hours * 100 + minutes
};

extern const std::array<TimeZoneCode, 34> timeZoneCodeTable;

// Index of the first entry whose code is hours * 100 + minutes of the zone's offset at the
// given moment (both truncated toward zero), or -1 when the list has no such zone.
int timeZoneIndexForZone(const QTimeZone &zone, const QDateTime &at);
// The same for the computer's zone now.
int computerTimeZoneIndex();
