// The place finder with any typed text, among zones of any difference, some of them missing: the
// fixed offset comes first, the list stays within its bound, every place names a zone the system
// has, and folding a folded text changes nothing (so no byte of it is half a character).

#include <string>
#include <vector>

#include "core/place.h"
#include "core/place_finder.h"
#include "core/place_table.h"
#include "fuzz_input.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const int step = input.Byte();
    const int missingEvery = input.Byte() % 8 + 2;
    const std::string_view typed = input.Rest();
    std::vector<TimeZoneRules> zones;
    for (std::size_t i = 0; i < PlaceZoneKeys().size(); ++i) {
        if (i % static_cast<std::size_t>(missingEvery) != 0) {
            TimeZoneRules zone;
            zone.keyName = PlaceText(PlaceZoneKeys()[i].keyName);
            zone.displayName = "(UTC) " + zone.keyName + ", " + std::string(typed.substr(0, 8));
            zone.rules.bias = static_cast<int>(i) * step % 1440 - 720;
            zones.push_back(zone);
        }
    }
    const PlaceMatches found = FindPlaces(typed, zones, LocalDateTime::FromParts({2025, 6, 1}).value());
    fuzz::Require(!found.choices.empty() && found.choices[0].keyName.empty(), "the fixed offset is not first");
    fuzz::Require(found.choices.size() <= 1 + kMaxPlaceMatches, "more choices than the bound");
    fuzz::Require(!found.noPlaceFound || found.choices.size() == 1, "no place found beside places");
    for (std::size_t i = 1; i < found.choices.size(); ++i) {
        fuzz::Require(FindZone(zones, found.choices[i].keyName) != nullptr, "a choice of a zone the system lacks");
    }
    const std::string folded = FoldForMatching(typed);
    fuzz::Require(FoldForMatching(folded) == folded, "folding a folded text changed it");
    return 0;
}
