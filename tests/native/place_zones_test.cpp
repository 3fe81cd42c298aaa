#include "core/place_zones.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/location_rows.h"
#include "sample_zones.h"
#include "timetable/time_table.h"

namespace orvanta {
namespace {

const std::vector<TimeZoneRules> kZones = {kEastern, kSydney, kChatham, kKathmandu, kTokyo};

// The local clock is New York's; each place shows its own zone's time across both zones' changes.
TEST(PlaceZonesTest, RowsShowEachZonesTrueTime) {
    const Settings settings{.places = {Place::FromEntry("Sydney:0.0", "aus eastern standard time"),
                                       Place::FromEntry("Chatham:0.0", "Chatham Islands Standard Time"),
                                       Place::FromEntry("Kathmandu:0.0", "Nepal Standard Time"),
                                       Place::FromEntry("Fixed:1.5"), Place::FromEntry("Nowhere:2.0", "Atlantis Time")}};
    struct Case {
        DateTimeParts universal;
        std::vector<std::string> times;  // rows 1 to 5
    };
    const Case cases[] = {
        {{2026, 3, 8, 6, 59, 59}, {" 17:59:59 ", " 20:44:59 ", " 12:44:59 ", " 03:29:59 ", " 03:59:59 "}},
        {{2026, 3, 8, 7}, {" 18:00:00 ", " 20:45:00 ", " 12:45:00 ", " 04:30:00 ", " 05:00:00 "}},
        {{2026, 4, 4, 16}, {" 02:00:00 ", " 04:45:00 ", " 21:45:00 ", " 13:30:00 ", " 14:00:00 "}},
        {{2026, 10, 3, 16}, {" 03:00:00 ", " 05:45:00 ", " 21:45:00 ", " 13:30:00 ", " 14:00:00 "}},
        {{2026, 11, 1, 6}, {" 17:00:00 ", " 19:45:00 ", " 11:45:00 ", " 02:30:00 ", " 03:00:00 "}},
    };
    const RegionalFormats formats{.clock24Hour = true, .hourLeadingZero = true};
    for (const Case& c : cases) {
        const LocalDateTime universal = At(c.universal);
        const LocalDateTime local = ZoneTimeFromUniversal(kEastern, universal).value();
        const ClockReading reading{universal, LocalBiasMinutes(local, universal), &kZones};
        const LocationRowsPlan plan = PlanLocationRows(RowsOf(settings), local, formats, &reading);
        for (std::size_t i = 0; i < c.times.size(); ++i) {
            EXPECT_EQ(plan[i + 1].time, c.times[i]) << c.universal.month << "/" << c.universal.day << " row " << i + 1;
        }
    }
}

// Saved entries carry the present difference, exact to the minute; a zone not known keeps its entry.
TEST(PlaceZonesTest, SavedEntriesCarryThePresentDifference) {
    Settings settings;
    for (const auto& [entry, zone] : {std::pair{"Tokyo:0.0", "Tokyo Standard Time"}, {"Kathmandu:0", "Nepal Standard Time"},
                                      {"Chatham:x", "Chatham Islands Standard Time"}, {"Rio:-3.0", ""},
                                      {"Mars:4.0", "Mars"}, {"Minus", "Eastern Standard Time"}}) {
        settings.places.push_back(Place::FromEntry(entry, zone));
    }
    // 10:00 in Sydney's summer; the local clock is an hour ahead of universal time.
    const ClockReading reading{At({2026, 1, 15, 10}), 60, &kZones};
    std::vector<std::string> entries;
    for (const Place& place : WithPresentOffsets(settings, &reading).places) {
        entries.push_back(place.Entry());
    }
    EXPECT_EQ(entries, (std::vector<std::string>{"Tokyo:8.0", "Kathmandu:4.75", "Chatham:12.75", "Rio:-3.0", "Mars:4.0",
                                                 "Minus:-6.0"}));
    EXPECT_EQ(WithPresentOffsets(settings, nullptr).places, settings.places);
}

// Each row is a real moment of the day at Location 1, on any date: a clock change shows.
TEST(PlaceZonesTest, ZonedTableFollowsTheRulesOfTheDay) {
    const Place here = Place::FromEntry("Here :0");
    const Place tokyo = Place::FromEntry("Tokyo:9.0", "Tokyo Standard Time");
    const Place kathmandu = Place::FromEntry("Kathmandu:5.75", "Nepal Standard Time");
    const LocalClockRules newYork{&kEastern};
    struct Moment {  // then rows and their column 1
        const char* what;
        Place place1, place2;
        DateTimeParts universalNow;
        LocalClockRules local;
    };
    const std::pair<Moment, std::vector<std::pair<int, std::string>>> cases[] = {
        {{"spring: 2 AM is skipped", here, tokyo, {2026, 3, 8, 12}, newYork},
         {{1, " 3:00 PM"}, {2, " 4:00 PM"}, {3, " 4:00 PM"}, {4, " 5:00 PM"}, {24, " 1:00 PM"}}},
        {{"autumn: 1 AM twice", here, tokyo, {2026, 11, 1, 12}, newYork},
         {{1, " 2:00 PM"}, {2, " 4:00 PM"}, {24, " 2:00 PM"}}},
        {{"quarter hours, no local rules", kathmandu, here, {2026, 1, 1, 12}, {nullptr, -300}},
         {{1, " 2:15 PM"}, {6, " 7:15 PM"}, {15, " 4:15 AM"}}},
        {{"a fixed place's date, then the local change", Place::FromEntry("Far:-12.0"), tokyo, {2026, 3, 8, 3}, newYork},
         {{1, " 3:00 AM"}, {3, " 5:00 AM"}, {23, "12:00 AM"}}},
    };
    for (const auto& [c, rows] : cases) {
        const TimeTable table = Build_Zoned_Time_Table(c.place1, c.place2, kZones, At(c.universalNow), c.local);
        EXPECT_EQ(table[0][1], c.place2.Description()) << c.what;
        EXPECT_EQ(table[7][0], " 7:00 AM") << c.what;
        for (const auto& [row, text] : rows) {
            EXPECT_EQ(table[static_cast<std::size_t>(row)][1], text) << c.what << " row " << row;
        }
    }
    EXPECT_THROW(Build_Zoned_Time_Table(Place::FromEntry("Home0"), tokyo, kZones, At({2026, 1, 1}), newYork),
                 InvalidOffsetError);
}

TEST(PlaceZonesTest, ClockTextToTheMinuteMatchesTheHalfHourTexts) {
    for (int halfHours = 0; halfHours < 48; ++halfHours) {
        EXPECT_EQ(Clock_Text_Of(halfHours / 2, halfHours % 2 * 30), Time_To_Clock_Text(halfHours / 2.0));
    }
    EXPECT_EQ(Clock_Text_Of(17, 45), " 5:45 PM");
}

}  // namespace
}  // namespace orvanta
