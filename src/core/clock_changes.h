#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/local_datetime.h"
#include "core/place.h"
#include "core/regional_formats.h"
#include "core/time_zone_rules.h"

namespace orvanta {

// A zone's clock moving: at `universal` its offset from universal time turns from `offsetBefore` to
// `offsetAfter` minutes.
struct ClockChange {
    LocalDateTime universal;
    int offsetBefore = 0;
    int offsetAfter = 0;

    // The moment on the clock in force before the change: 02:00 for New York's spring night.
    std::optional<LocalDateTime> ClockTimeBefore() const;
    friend bool operator==(const ClockChange&, const ClockChange&) = default;
};

// The zone's first change after `after`, up to and including `until`; nothing when it keeps its
// clock all that while. A zone changes its clock at most once in a few hours, as every zone does.
std::optional<ClockChange> NextClockChange(const TimeZoneRules& zone, LocalDateTime after, LocalDateTime until);

// "Clocks go back 1 hour", "Clocks go forward 30 minutes".
std::string ClockChangeText(const ClockChange& change);
// "Clocks go back 1 hour at 03:00", the time on the clock before the change.
std::string ClockChangeAtText(const ClockChange& change, const RegionalFormats& formats);

// "1 hour", "5 hours 45 minutes", "30 minutes", "0 minutes".
std::string DurationText(int minutes);

// The lines of the tooltip of a place's row in the main window, for the clocks now:
// - the zone it follows ("Tokyo Standard Time"), or "Fixed offset";
// - how far its clock is from the local clock ("14 hours ahead, tomorrow"), unless its offset is no
//   number;
// - a zone's next change within a year ("Clocks go back 1 hour on Sunday, October 25, 2026 at
//   03:00"), the date and time on its clock before the change.
std::vector<std::string> PlaceTooltipLines(const Place& place,
                                           const ClockReading& reading,
                                           const RegionalFormats& formats);

}  // namespace orvanta
