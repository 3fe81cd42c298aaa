#pragma once

#include <optional>
#include <vector>

#include "core/local_datetime.h"
#include "core/place.h"
#include "core/time_zone_rules.h"

namespace orvanta {

// The local clock as the tables read it: its zone's rules, or where the system names none, the
// present distance from universal time.
struct LocalClockRules {
    const TimeZoneRules* zone = nullptr;
    int biasMinutes = 0;
};

// The local clock and the system's zones at a universal moment.
ClockReading ReadingAt(LocalDateTime universal, const LocalClockRules& local, const std::vector<TimeZoneRules>& zones);

// The universal moment at which the local clock shows `localTime`, with the rule of
// UniversalFromZoneTime: a skipped time is read on the clock before the jump, a repeated one is the
// earlier moment. Nothing where the result leaves the years 1 to 9999.
std::optional<LocalDateTime> UniversalFromLocalTime(LocalDateTime localTime, const LocalClockRules& local);

// The place's clock at a universal moment; nothing when its offset is no number or the result leaves
// the years 1 to 9999.
std::optional<LocalDateTime> PlaceTimeFromUniversal(const Place& place,
                                                    LocalDateTime universal,
                                                    const LocalClockRules& local,
                                                    const std::vector<TimeZoneRules>& zones);

// The universal moment at which the place's clock shows `placeTime`: a zoned place by its zone's
// rules, a fixed one through the local clock. Nothing as PlaceTimeFromUniversal.
std::optional<LocalDateTime> UniversalFromPlaceTime(const Place& place,
                                                    LocalDateTime placeTime,
                                                    const LocalClockRules& local,
                                                    const std::vector<TimeZoneRules>& zones);

}  // namespace orvanta
