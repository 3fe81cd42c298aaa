#pragma once

#include <optional>
#include <vector>

#include "core/local_datetime.h"
#include "core/place.h"
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
    // The same zones with their rules for the present year alone, enough for where each stands now
    // and much quicker to read: the place finder's first answer waits for them.
    virtual const std::vector<TimeZoneRules>& FinderZones() = 0;
    // The rules of the local clock's zone; nullptr when the system names none that it knows.
    virtual const TimeZoneRules* LocalZone() = 0;
};

// The clocks now, the local clock reading `local`.
ClockReading ReadClocks(ZoneClocks& clocks, LocalDateTime local);

// ReadClocks, but only while some place follows a zone: otherwise neither the universal clock nor
// the system's zones are read, and every place is at its entry's offset.
std::optional<ClockReading> ReadClocksFor(ZoneClocks& clocks, const std::vector<Place>& places, LocalDateTime local);

// The settings as the file keeps them: each place that follows a zone the system knows has that
// zone's present difference as its entry's offset, so that a version that knows nothing of zones,
// or someone reading the file, sees the place where it is today.
Settings WithPresentOffsets(Settings settings, const ClockReading* reading);

}  // namespace orvanta
