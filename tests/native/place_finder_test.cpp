#include "core/place_finder.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/place_table.h"
#include "sample_zones.h"

namespace orvanta {
namespace {

TimeZoneRules Shown(TimeZoneRules zone, std::string displayName) {
    zone.displayName = std::move(displayName);
    return zone;
}

// A system without "US Eastern Standard Time" (Indianapolis) and most others.
const std::vector<TimeZoneRules> kSystemZones = {
    Shown(kTokyo, "(UTC+09:00) Osaka, Sapporo, Tokyo"),
    Shown(kEastern, "(UTC-05:00) Eastern Time (US & Canada)"),
    Shown(Zone("Pacific Standard Time", 480), "(UTC-08:00) Pacific Time (US & Canada)"),
    Shown(Zone("Central Standard Time", 360), "(UTC-06:00) Central Time (US & Canada)"),
    Shown(Zone("India Standard Time", -330), "(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi"),
    Shown(kKathmandu, "(UTC+05:45) Kathmandu"),
    Shown(Zone("E. South America Standard Time", 180), "(UTC-03:00) Brasilia"),
    Shown(Zone("Newfoundland Standard Time", 210), "(UTC-03:30) Newfoundland"),
    Shown(Zone("Greenwich Standard Time", 0), "(UTC+00:00) Monrovia, Reykjavik"),
    Shown(Zone("W. Central Africa Standard Time", -60), "(UTC+01:00) West Central Africa"),
    Shown(Zone("UTC", 0), "(UTC) Coordinated Universal Time"),
};

TEST(PlaceFinderTest, FindsPlacesBestFirst) {
    struct Case {
        std::string typed;
        std::vector<std::string> texts;  // after the fixed offset
        std::string firstKey;
        std::string firstCity;
        bool july = false;
    };
    const std::string us = "United States: ";
    const Case cases[] = {
        {"tokyo", {"Tokyo, Japan (UTC+09:00)"}, "Tokyo Standard Time", "Tokyo"},
        {"São Paulo", {"Sao Paulo, Brazil (UTC-03:00)"}, "E. South America Standard Time", "Sao Paulo"},
        {"SAO  PAU", {"Sao Paulo, Brazil (UTC-03:00)"}, "E. South America Standard Time", "Sao Paulo"},
        {"new york", {"New York, United States (UTC-04:00)"}, "Eastern Standard Time", "New York", true},
        {"CÔTE D’IVOIRE", {"Côte d'Ivoire (UTC+00:00)"}, "Greenwich Standard Time", "Côte d'Ivoire"},
        {us,
         {us + "New York, Detroit, Louisville (UTC-05:00)", us + "Chicago, Tell City, Knox (UTC-06:00)",
          us + "Los Angeles (UTC-08:00)"},
         "Eastern Standard Time",
         "New York"},
        {"guinea",
         {"Guinea (UTC+00:00)", "Guinea-Bissau (UTC+00:00)", "Equatorial Guinea (UTC+01:00)"},
         "Greenwich Standard Time",
         "Guinea"},
        {"new",
         {"New Salem, United States (UTC-06:00)", "New York, United States (UTC-05:00)",
          "Chennai, Kolkata, Mumbai, New Delhi (UTC+05:30)", "Newfoundland (UTC-03:30)"},
         "Central Standard Time",
         "New Salem"},
        {"st",
         {"St Helena (UTC+00:00)", "St Johns, Canada (UTC-03:30)", us + "New York, Detroit, Louisville (UTC-05:00)",
          us + "Chicago, Tell City, Knox (UTC-06:00)", us + "Los Angeles (UTC-08:00)", "Brasilia (UTC-03:00)",
          "Chennai, Kolkata, Mumbai, New Delhi (UTC+05:30)", "Kathmandu (UTC+05:45)",
          "Osaka, Sapporo, Tokyo (UTC+09:00)", "West Central Africa (UTC+01:00)"},
         "Greenwich Standard Time",
         "St Helena"},
        {"kolkata", {"Kolkata, India (UTC+05:30)"}, "India Standard Time", "Kolkata"},
        {"mumbai", {"Chennai, Kolkata, Mumbai, New Delhi (UTC+05:30)"}, "India Standard Time", "Mumbai"},
        {"pacific", {"Pacific Time (US & Canada) (UTC-08:00)"}, "Pacific Standard Time", "Los Angeles"},
        {"tokyo standard time", {"Osaka, Sapporo, Tokyo (UTC+09:00)"}, "Tokyo Standard Time", "Tokyo"},
        {"coordinated", {"Coordinated Universal Time (UTC+00:00)"}, "UTC", ""},
        {"+5:45", {"Kathmandu (UTC+05:45)"}, "Nepal Standard Time", "Kathmandu"},
        {"UTC+9", {"Osaka, Sapporo, Tokyo (UTC+09:00)"}, "Tokyo Standard Time", "Tokyo"},
        {"-3", {"Brasilia (UTC-03:00)", "Newfoundland (UTC-03:30)"}, "E. South America Standard Time", "Sao Paulo"},
        {"GMT \u221203:30", {"Newfoundland (UTC-03:30)"}, "Newfoundland Standard Time", "St Johns"},
        {"+0545", {"Kathmandu (UTC+05:45)"}, "Nepal Standard Time", "Kathmandu"},
        {" +5.75 ", {"Kathmandu (UTC+05:45)"}, "Nepal Standard Time", "Kathmandu"},
        {"+5",
         {"Chennai, Kolkata, Mumbai, New Delhi (UTC+05:30)", "Kathmandu (UTC+05:45)"},
         "India Standard Time",
         "Kolkata"},
        {"+15", {}},
        {"+5:60", {}},
        {"indianapolis", {}},
        {"xyzzy", {}},
        {"\xff\xfe\xC0\xAF", {}},
        {std::string(5000, 'a'), {}},
        {std::string(5000, '\x01'), {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        const LocalDateTime universal = At(c.july ? DateTimeParts{2025, 7, 15, 12} : DateTimeParts{2025, 1, 15, 12});
        const PlaceMatches found = FindPlaces(c.typed, kSystemZones, universal);
        const std::string typed = c.typed.substr(0, 20);
        ASSERT_FALSE(found.choices.empty()) << typed;
        EXPECT_EQ(found.choices[0].text, kFixedOffsetChoice);
        EXPECT_EQ(found.choices[0].keyName, "");
        std::vector<std::string> texts;
        for (std::size_t i = 1; i < found.choices.size(); ++i) {
            texts.push_back(found.choices[i].text);
        }
        EXPECT_EQ(texts, c.texts) << typed;
        EXPECT_EQ(found.noPlaceFound, texts.empty() && c.typed.find_first_not_of('\x01') != std::string::npos) << typed;
        if (!texts.empty()) {
            EXPECT_EQ(found.choices[1].keyName, c.firstKey) << typed;
            EXPECT_EQ(found.choices[1].city, c.firstCity) << typed;
        }
    }
}

TEST(PlaceFinderTest, ListsAtMostTheBound) {
    std::vector<TimeZoneRules> everyZone;
    for (const PlaceTableZoneKey& key : PlaceZoneKeys()) {
        everyZone.push_back(Zone(std::string(PlaceText(key.keyName)), 0));
    }
    EXPECT_EQ(FindPlaces("a", everyZone, At({2025, 1, 1})).choices.size(), 1 + kMaxPlaceMatches);
}

TEST(PlaceFinderTest, FoldsLatinLettersAndSeparatesTheRest) {
    const std::pair<std::string, std::string> cases[] = {
        {"São Tomé & Príncipe", "sao tome principe"},
        {"ÀÉÎÕÜ Ÿ ÇÑ Ð Þ ß Æ Ø Œ Ĳ Ł Ħ ı ſ", "aeiou y cn d th ss ae o oe ij l h i s"},
        {"Ağrı–Kütahya ×2", "agri kutahya 2"},
        {"東京\u3001大阪", "東京 大阪"},
        {"a\x01\xC0\xAF\xED\xA0\x80\xE6\x9D"
         "b",
         "a b"},
    };
    for (const auto& [text, folded] : cases) {
        EXPECT_EQ(FoldForMatching(text), folded);
    }
}

}  // namespace
}  // namespace orvanta
