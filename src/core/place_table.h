#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace orvanta {

// The cities and countries the place finder knows, each city with the Windows zone key it follows.
// scripts/make-place-table.py writes the data from the time-zone database and CLDR's map of zones
// to Windows keys; it is constant and read where it lies. Texts are offsets into one string pool,
// each name twice: as shown (UTF-8) and spelt in ASCII letters for matching ("Sao Paulo"), which
// shares the shown text's bytes where the two agree.
struct PlaceTableCountry {
    std::uint16_t name;
    std::uint16_t matchName;
};

struct PlaceTableZoneKey {
    std::uint16_t keyName;        // "Tokyo Standard Time"
    std::uint16_t principalCity;  // "Tokyo"; "" for a zone of no place ("UTC-11")
};

struct PlaceTableCity {
    std::uint16_t name;
    std::uint16_t matchName;
    std::uint8_t country;  // index in PlaceCountries()
    std::uint8_t zoneKey;  // index in PlaceZoneKeys()
};

// In the order of their countries, each country's cities in the time-zone database's order (its
// most populous zone first), older and other names after them. Every country has one at least.
std::span<const PlaceTableCity> PlaceCities();
std::span<const PlaceTableCountry> PlaceCountries();
// Every key of Windows' standard set.
std::span<const PlaceTableZoneKey> PlaceZoneKeys();
std::string_view PlaceText(std::uint16_t offset);

}  // namespace orvanta
