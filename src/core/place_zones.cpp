#include "core/place_zones.h"

#include <algorithm>

namespace orvanta {

ClockReading ReadClocks(ZoneClocks& clocks, LocalDateTime local) {
    const LocalDateTime universal = clocks.UniversalNow();
    return {universal, LocalBiasMinutes(local, universal), &clocks.PlacesZones()};
}

std::optional<ClockReading> ReadClocksFor(ZoneClocks& clocks, const std::vector<Place>& places, LocalDateTime local) {
    if (std::none_of(places.begin(), places.end(), [](const Place& place) { return place.FollowsZone(); })) {
        return std::nullopt;
    }
    return ReadClocks(clocks, local);
}

Settings WithPresentOffsets(Settings settings, const ClockReading* reading) {
    for (Place& place : settings.places) {
        if (const TimeZoneRules* zone = ZoneOf(place, reading)) {
            place = place.AtOffsetMinutes(ZoneDifferenceMinutes(*zone, *reading));
        }
    }
    return settings;
}

}  // namespace orvanta
