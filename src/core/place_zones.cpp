#include "core/place_zones.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/decimal_text.h"
#include "core/location_entry.h"

namespace orvanta {

namespace {

constexpr double kMillisecondsPerMinute = 60'000.0;

bool SameKeyName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

int LocalBiasMinutes(LocalDateTime local, LocalDateTime universal) {
    const double minutes =
        static_cast<double>(local.Milliseconds() - universal.Milliseconds()) / kMillisecondsPerMinute;
    return static_cast<int>(std::lround(minutes));
}

const TimeZoneRules* FindZone(const std::vector<TimeZoneRules>& zones, std::string_view keyName) {
    const auto found = std::find_if(zones.begin(), zones.end(), [keyName](const TimeZoneRules& zone) {
        return SameKeyName(zone.keyName, keyName);
    });
    return found == zones.end() ? nullptr : &*found;
}

std::vector<std::optional<int>> PlaceZoneDifferences(const std::vector<std::string>& placeZones,
                                                     const std::vector<TimeZoneRules>& known,
                                                     LocalDateTime universal,
                                                     int localBiasMinutes) {
    std::vector<std::optional<int>> differences(placeZones.size());
    for (std::size_t i = 0; i < placeZones.size(); ++i) {
        const TimeZoneRules* zone = placeZones[i].empty() ? nullptr : FindZone(known, placeZones[i]);
        if (zone != nullptr) {
            differences[i] = ZoneOffsetMinutes(*zone, universal) - localBiasMinutes;
        }
    }
    return differences;
}

std::vector<std::optional<int>> PresentZoneDifferences(ZoneClocks& clocks,
                                                       const std::vector<std::string>& placeZones,
                                                       LocalDateTime local) {
    if (std::all_of(placeZones.begin(), placeZones.end(), [](const std::string& zone) { return zone.empty(); })) {
        return {};
    }
    const LocalDateTime universal = clocks.UniversalNow();
    return PlaceZoneDifferences(placeZones, clocks.Zones(), universal, LocalBiasMinutes(local, universal));
}

std::string OffsetTextOfMinutes(int minutes) {
    const double hours = minutes / 60.0;
    if (minutes % 30 == 0) {
        return FixedDecimal(hours, 1);
    }
    // Quarter hours are exact in two decimals; anything finer in the shortest text that reads back.
    return minutes % 15 == 0 ? FixedDecimal(hours, 2) : ShortestDecimal(hours);
}

Settings WithPresentOffsets(Settings settings, const std::vector<std::optional<int>>& differences) {
    for (std::size_t i = 0; i < settings.locations.size() && i < differences.size(); ++i) {
        if (differences[i] && !settings.ZoneOf(i).empty()) {
            settings.locations[i] =
                SplitLocationEntry(settings.locations[i]).description + ":" + OffsetTextOfMinutes(*differences[i]);
        }
    }
    return settings;
}

}  // namespace orvanta
