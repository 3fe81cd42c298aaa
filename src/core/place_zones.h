#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/local_datetime.h"
#include "core/settings_model.h"
#include "core/time_zone_rules.h"

namespace orvanta {

// The clocks and the zones of the system, as the windows need them for places that follow a zone.
class ZoneClocks {
  public:
    virtual ~ZoneClocks() = default;
    virtual LocalDateTime LocalNow() = 0;
    virtual LocalDateTime UniversalNow() = 0;
    // The system's zones, read when first asked for and kept.
    virtual const std::vector<TimeZoneRules>& Zones() = 0;
    // The rules of the local clock's zone; nullptr when the system names none that it knows.
    virtual const TimeZoneRules* LocalZone() = 0;
};

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

// PlaceZoneDifferences now, the local clock reading `local`. Nothing at all, and neither the
// universal clock nor the system's zones are read, while no place follows a zone.
std::vector<std::optional<int>> PresentZoneDifferences(ZoneClocks& clocks,
                                                       const std::vector<std::string>& placeZones,
                                                       LocalDateTime local);

// An offset of whole minutes as an entry's offset text, exact and readable by any version: "9.0",
// "5.5", "-3.5" as the spin button writes them, "5.75" and "12.75" for the 45-minute zones.
std::string OffsetTextOfMinutes(int minutes);

// The settings as the file keeps them: each place that follows a zone the system knows has that
// zone's present difference as its entry's offset, so that a version that knows nothing of zones,
// or someone reading the file, sees the place where it is today.
Settings WithPresentOffsets(Settings settings, const std::vector<std::optional<int>>& differences);

}  // namespace orvanta
