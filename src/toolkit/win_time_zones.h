#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/local_datetime.h"
#include "core/time_zone_rules.h"

namespace orvanta::toolkit {

// The zones the system knows, from the time-zone database in its registry, in the order Windows
// lists them: west to east, then by display name. A zone whose entry is malformed is left out.
std::vector<TimeZoneRules> ReadSystemTimeZones();

// The same list, each zone's rules by year only for `year` and the years either side of it: right
// for every moment of that universal year, and quicker to read, as a zone may have decades of rules.
// For a list of where each zone stands now; the clock's rows, which look at any date, need the whole.
std::vector<TimeZoneRules> ReadSystemTimeZonesAround(int year);

// One zone's rules by its key name ("Tokyo Standard Time"), without its display name: a few
// look-ups, where the whole list takes hundreds and maps a resource library for the names. Nothing
// when the system does not know it or its entry is malformed.
std::optional<TimeZoneRules> ReadSystemTimeZone(std::string_view keyName);

// The key name of the local clock's zone ("Eastern Standard Time"); "" when the system names none.
std::string LocalTimeZoneKeyName();

// Universal time from the system clock.
LocalDateTime UniversalNow();

}  // namespace orvanta::toolkit
