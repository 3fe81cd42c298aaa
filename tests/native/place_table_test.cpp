#include "core/place_table.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "core/place_finder.h"

namespace orvanta {
namespace {

// Windows' standard zone keys, "~" standing for " Standard Time".
constexpr std::string_view kStandardKeys =
    "AUS Central~|AUS Eastern~|Afghanistan~|Alaskan~|Aleutian~|Altai~|Arab~|Arabian~|Arabic~|Argentina~|"
    "Astrakhan~|Atlantic~|Aus Central W.~|Azerbaijan~|Azores~|Bahia~|Bangladesh~|Belarus~|Bougainville~|"
    "Canada Central~|Cape Verde~|Caucasus~|Cen. Australia~|Central America~|Central Asia~|Central Brazilian~|"
    "Central Europe~|Central European~|Central Pacific~|Central~|Central~ (Mexico)|Chatham Islands~|China~|"
    "Cuba~|Dateline~|E. Africa~|E. Australia~|E. Europe~|E. South America~|Easter Island~|Eastern~|"
    "Eastern~ (Mexico)|Egypt~|Ekaterinburg~|FLE~|Fiji~|GMT~|GTB~|Georgian~|Greenland~|Greenwich~|Haiti~|"
    "Hawaiian~|India~|Iran~|Israel~|Jordan~|Kaliningrad~|Korea~|Libya~|Line Islands~|Lord Howe~|Magadan~|"
    "Magallanes~|Marquesas~|Mauritius~|Middle East~|Montevideo~|Morocco~|Mountain~|Mountain~ (Mexico)|"
    "Myanmar~|N. Central Asia~|Namibia~|Nepal~|New Zealand~|Newfoundland~|Norfolk~|North Asia East~|"
    "North Asia~|North Korea~|Omsk~|Pacific SA~|Pacific~|Pacific~ (Mexico)|Pakistan~|Paraguay~|Qyzylorda~|"
    "Romance~|Russia Time Zone 10|Russia Time Zone 11|Russia Time Zone 3|Russian~|SA Eastern~|SA Pacific~|"
    "SA Western~|SE Asia~|Saint Pierre~|Sakhalin~|Samoa~|Sao Tome~|Saratov~|Singapore~|South Africa~|"
    "South Sudan~|Sri Lanka~|Sudan~|Syria~|Taipei~|Tasmania~|Tocantins~|Tokyo~|Tomsk~|Tonga~|Transbaikal~|"
    "Turkey~|Turks And Caicos~|US Eastern~|US Mountain~|UTC|UTC+12|UTC+13|UTC-02|UTC-08|UTC-09|UTC-11|"
    "Ulaanbaatar~|Venezuela~|Vladivostok~|Volgograd~|W. Australia~|W. Central Africa~|W. Europe~|"
    "W. Mongolia~|West Asia~|West Bank~|West Pacific~|Yakutsk~|Yukon~";

std::set<std::string> StandardKeys() {
    std::set<std::string> keys;
    for (std::string_view rest = kStandardKeys; !rest.empty();) {
        std::string key(rest.substr(0, rest.find('|')));
        rest.remove_prefix(std::min(rest.size(), key.size() + 1));
        if (const auto tilde = key.find('~'); tilde != std::string::npos) {
            key.replace(tilde, 1, " Standard Time");
        }
        keys.insert(key);
    }
    return keys;
}

// The table names Windows' standard keys and no other, and each but the two of no place is some
// city's; every name is spelt for matching as the finder folds it, and each country holds its cities.
TEST(PlaceTableTest, CoversTheStandardKeysWithNamesTheFinderReads) {
    std::set<std::string> tableKeys;
    std::set<std::string> keysOfCities;
    for (const PlaceTableZoneKey& key : PlaceZoneKeys()) {
        tableKeys.insert(std::string(PlaceText(key.keyName)));
    }
    EXPECT_EQ(tableKeys, StandardKeys());
    const auto countries = PlaceCountries();
    const auto cities = PlaceCities();
    std::set<std::size_t> countriesOfCities;
    EXPECT_TRUE(std::is_sorted(cities.begin(), cities.end(), [](auto& a, auto& b) { return a.country < b.country; }));
    for (const PlaceTableCity& city : cities) {
        countriesOfCities.insert(city.country);
        ASSERT_LT(city.zoneKey, PlaceZoneKeys().size());
        keysOfCities.insert(std::string(PlaceText(PlaceZoneKeys()[city.zoneKey].keyName)));
    }
    EXPECT_EQ(countriesOfCities.size(), countries.size());
    EXPECT_EQ(*countriesOfCities.rbegin(), countries.size() - 1);
    for (const std::string& key : StandardKeys()) {
        EXPECT_EQ(keysOfCities.count(key), key == "UTC" || key == "Dateline Standard Time" ? 0u : 1u) << key;
    }
    const auto spelling = [](std::uint16_t name, std::uint16_t matchName) {
        const std::string_view ascii = PlaceText(matchName);
        EXPECT_TRUE(std::all_of(ascii.begin(), ascii.end(), [](char c) { return c > 0 && c < 0x7F; })) << ascii;
        EXPECT_EQ(FoldForMatching(PlaceText(name)), FoldForMatching(ascii));
    };
    for (const PlaceTableCity& city : cities) {
        spelling(city.name, city.matchName);
    }
    for (const PlaceTableCountry& country : countries) {
        spelling(country.name, country.matchName);
    }
}

}  // namespace
}  // namespace orvanta
