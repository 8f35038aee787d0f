#include "core/settings/TimeZones.h"

const std::array<TimeZoneCode, 34> timeZoneCodeTable = {{
    {"-12:00", -1200}, {"-11:00", -1100}, {"-10:00", -1000}, {"-09:00", -900}, {"-08:00", -800},
    {"-07:00", -700},  {"-06:00", -600},  {"-05:00", -500},  {"-04:30", -430}, {"-04:00", -400},
    {"-03:30", -330},  {"-03:00", -300},  {"-02:00", -200},  {"-01:00", -100}, {"00:00", 0},
    {"+01:00", 100},   {"+02:00", 200},   {"+03:00", 300},   {"+03:30", 330},  {"+04:00", 400},
    {"+04:30", 430},   {"+05:00", 500},   {"+05:30", 530},   {"+05:45", 545},  {"+06:00", 600},
    {"+06:30", 630},   {"+07:00", 700},   {"+08:00", 800},   {"+09:00", 900},  {"+09:30", 930},
    {"+10:00", 1000},  {"+11:00", 1100},  {"+12:00", 1200},  {"+13:00", 1300},
}};

int timeZoneIndexForZone(const QTimeZone &zone, const QDateTime &at)
{
    // GMT itself is offset 0 at every date, so the difference is the zone's own offset.
    const int offset = zone.offsetFromUtc(at);
    const int hours = offset / 3600;
    const int minutes = (offset - hours * 3600) / 60;
    const int code = hours * 100 + minutes;
    for (std::size_t i = 0; i < timeZoneCodeTable.size(); ++i) {
        if (timeZoneCodeTable[i].code == code)
            return static_cast<int>(i);
    }
    return -1;
}

int computerTimeZoneIndex()
{
    return timeZoneIndexForZone(QTimeZone::systemTimeZone(), QDateTime::currentDateTimeUtc());
}
