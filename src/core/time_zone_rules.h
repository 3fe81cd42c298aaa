#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/local_datetime.h"

namespace orvanta {

// A change of clock as Windows describes it, field for field its SYSTEMTIME form.
struct ZoneTransition {
    // 0: the rule recurs every year and `day` counts weeks; otherwise `day` is a day of the month.
    int year = 0;
    int month = 0;      // 1..12; 0 says the zone has no daylight saving time
    int dayOfWeek = 0;  // 0 = Sunday .. 6 = Saturday
    int day = 0;        // year 0: the week 1..5, 5 being the month's last such weekday
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
};

// One year's rules in Windows' terms, in minutes: universal time = zone time + bias + the standard
// or the daylight bias, whichever is in force. Each bias lies within a day either way, as Windows
// keeps them and the system's reader makes sure.
struct ZoneYearRules {
    int bias = 0;
    int standardBias = 0;
    int daylightBias = 0;
    ZoneTransition standardDate;  // daylight time ends, read on the daylight clock
    ZoneTransition daylightDate;  // daylight time begins, read on the standard clock
};

struct TimeZoneRules {
    std::string keyName;      // "Tokyo Standard Time": the name that stays when display names change
    std::string displayName;  // "(UTC+09:00) Osaka, Sapporo, Tokyo"
    ZoneYearRules rules;      // in force when the zone has no rules by year
    int firstYear = 0;
    std::vector<ZoneYearRules> years;  // years[i] rules firstYear + i; the first and last also rule beyond

    const ZoneYearRules& RulesFor(int year) const;
};

// How far the zone's clock is ahead of universal time at a universal moment, in minutes
// (Tokyo +540, New York -300 in winter and -240 in summer).
int ZoneOffsetMinutes(const TimeZoneRules& zone, LocalDateTime universal);

// The zone's clock at a universal moment; nothing where the result leaves the years 1 to 9999.
std::optional<LocalDateTime> ZoneTimeFromUniversal(const TimeZoneRules& zone, LocalDateTime universal);

// The universal moment at which the zone's clock shows `zoneTime`. Where the clock goes back and
// shows a time twice, the earlier moment, still on the clock in force before the change (01:30 on
// the night New York leaves daylight saving time is 05:30 UTC, not 06:30). Where the clock jumps
// forward over a time, it is read on the clock in force before the jump, which lands as far past
// the jump as the time lay past the change (02:30 on New York's spring night gives 07:30 UTC,
// which the clock shows as 03:30). Nothing where the result leaves the years 1 to 9999.
std::optional<LocalDateTime> UniversalFromZoneTime(const TimeZoneRules& zone, LocalDateTime zoneTime);

}  // namespace orvanta
