#include "core/place_table.h"

namespace orvanta {

namespace {

#include "core/place_table_data.inc"

}  // namespace

std::span<const PlaceTableCity> PlaceCities() {
    return kCities;
}

std::span<const PlaceTableCountry> PlaceCountries() {
    return kCountries;
}

std::span<const PlaceTableZoneKey> PlaceZoneKeys() {
    return kZoneKeys;
}

std::string_view PlaceText(std::uint16_t offset) {
    return offset < sizeof(kPool) ? std::string_view(kPool + offset) : std::string_view();
}

}  // namespace orvanta
