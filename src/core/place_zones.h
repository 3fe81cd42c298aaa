#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/local_datetime.h"
#include "core/settings_model.h"
#include "core/time_zone_rules.h"

namespace orvanta {

// How far the local clock is ahead of universal time, from one reading of each clock: whole
// minutes, as every zone's bias is, so that the few milliseconds between the readings vanish.
int LocalBiasMinutes(LocalDateTime local, LocalDateTime universal);

// The zone with that key name (names ignore case, as registry keys do); nullptr when there is none.
const TimeZoneRules* FindZone(const std::vector<TimeZoneRules>& zones, std::string_view keyName);

// How far each place's clock is ahead of the local clock at a universal moment, in minutes; nothing
// for a place at a fixed offset and for one whose zone the system does not know, which both keep
// their entry's offset.
std::vector<std::optional<int>> PlaceZoneDifferences(const std::vector<std::string>& placeZones,
                                                     const std::vector<TimeZoneRules>& known,
                                                     LocalDateTime universal,
                                                     int localBiasMinutes);

// An offset of whole minutes as an entry's offset text, exact and readable by any version: "9.0",
// "5.5", "-3.5" as the spin button writes them, "5.75" and "12.75" for the 45-minute zones.
std::string OffsetTextOfMinutes(int minutes);

// The settings as the file keeps them: each place that follows a zone the system knows has that
// zone's present difference as its entry's offset, so that a version that knows nothing of zones,
// or someone reading the file, sees the place where it is today.
Settings WithPresentOffsets(Settings settings, const std::vector<std::optional<int>>& differences);

}  // namespace orvanta
