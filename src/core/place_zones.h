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
    // The system's zones with their display names and their rules for the present year alone:
    // enough for where each stands now and for finding a zone by name. The place finder's first
    // answer waits for them.
    virtual const std::vector<TimeZoneRules>& FinderZones() = 0;
    // The whole rules of every zone a place in the settings follows and of the local clock's zone as
    // LocalZone last found it, without display names: a few look-ups in the system's list each,
    // where reading the whole list takes hundreds. Read again when the places or the local zone
    // change; until then every reference into it holds.
    virtual const std::vector<TimeZoneRules>& PlacesZones() = 0;
    // The local clock's zone, looked for afresh and kept among PlacesZones() from then on; nullptr
    // when the system names none that it knows.
    virtual const TimeZoneRules* LocalZone() = 0;
};

// The clocks now, the local clock reading `local`, with the zones of the settings' places.
ClockReading ReadClocks(ZoneClocks& clocks, LocalDateTime local);

// ReadClocks, but only while some of the settings' `places` follows a zone: otherwise neither the
// universal clock nor the system's zones are read, and every place is at its entry's offset.
std::optional<ClockReading> ReadClocksFor(ZoneClocks& clocks, const std::vector<Place>& places, LocalDateTime local);

// The settings as the file keeps them: each place that follows a zone the system knows has that
// zone's present difference as its entry's offset, so that a version that knows nothing of zones,
// or someone reading the file, sees the place where it is today.
Settings WithPresentOffsets(Settings settings, const ClockReading* reading);

}  // namespace orvanta
