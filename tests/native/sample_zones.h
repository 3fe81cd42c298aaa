#pragma once

#include <string>
#include <utility>

#include "core/time_zone_rules.h"

namespace orvanta {

inline LocalDateTime At(const DateTimeParts& parts) {
    return LocalDateTime::FromParts(parts).value();
}

// Zones in the form Windows' registry gives them: a week of 5 is the month's last such weekday.
inline TimeZoneRules Zone(std::string key,
                          int bias,
                          ZoneTransition standardDate = {},
                          ZoneTransition daylightDate = {}) {
    TimeZoneRules zone;
    zone.keyName = std::move(key);
    zone.rules = {bias, 0, -60, standardDate, daylightDate};
    return zone;
}

// Until 2006 daylight saving time ran from April's first Sunday to October's last.
inline TimeZoneRules Eastern() {
    TimeZoneRules zone = Zone("Eastern Standard Time", 300, {0, 11, 0, 1, 2}, {0, 3, 0, 2, 2});
    zone.firstYear = 2006;
    zone.years = {{300, 0, -60, {0, 10, 0, 5, 2}, {0, 4, 0, 1, 2}}, zone.rules};
    return zone;
}
inline const TimeZoneRules kEastern = Eastern();
inline const TimeZoneRules kCentralEurope = Zone("W. Europe Standard Time", -60, {0, 10, 0, 5, 3}, {0, 3, 0, 5, 2});
inline const TimeZoneRules kSydney = Zone("AUS Eastern Standard Time", -600, {0, 4, 0, 1, 3}, {0, 10, 0, 1, 2});
inline const TimeZoneRules kChatham =
    Zone("Chatham Islands Standard Time", -765, {0, 4, 0, 1, 3, 45}, {0, 9, 0, 5, 2, 45});
inline const TimeZoneRules kTokyo = Zone("Tokyo Standard Time", -540);
inline const TimeZoneRules kKathmandu = Zone("Nepal Standard Time", -345);

}  // namespace orvanta
