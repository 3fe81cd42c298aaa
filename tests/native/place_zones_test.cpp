#include "core/place_zones.h"

#include <string>
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
    const Settings settings{.locations = {"Sydney:0.0", "Chatham:0.0", "Kathmandu:0.0", "Fixed:1.5", "Nowhere:2.0"},
                            .zones = {"aus eastern standard time", "Chatham Islands Standard Time",
                                      "Nepal Standard Time", "", "Atlantis Time"}};
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
        const auto differences =
            PlaceZoneDifferences(settings.zones, kZones, universal, LocalBiasMinutes(local, universal));
        const LocationRowsPlan plan = PlanLocationRows(RowsOf(settings, differences), local, formats);
        for (std::size_t i = 0; i < c.times.size(); ++i) {
            EXPECT_EQ(plan[i + 1].time, c.times[i]) << c.universal.month << "/" << c.universal.day << " row " << i + 1;
        }
    }
}

// Saved entries carry the present difference, exact to the minute; a zone not known keeps its entry.
TEST(PlaceZonesTest, SavedEntriesCarryThePresentDifference) {
    const Settings saved =
        WithPresentOffsets({.locations = {"Tokyo:0.0", "Kathmandu:0", "Chatham:x", "Rio:-3.0", "Mars:4.0", "Minus:0.0"},
                            .zones = {"Tokyo", "Nepal", "Chatham", "", "Mars", "Minus"}},
                           {540, 345, 825, 60, std::nullopt, -15});
    EXPECT_EQ(saved.locations, (std::vector<std::string>{"Tokyo:9.0", "Kathmandu:5.75", "Chatham:13.75", "Rio:-3.0",
                                                         "Mars:4.0", "Minus:-0.25"}));
    EXPECT_EQ(OffsetTextOfMinutes(-210), "-3.5");
    EXPECT_EQ(OffsetTextOfMinutes(10), "0.16666666666666666");
}

// Each row is a real moment of the day at Location 1, on any date: a clock change shows.
TEST(PlaceZonesTest, ZonedTableFollowsTheRulesOfTheDay) {
    const TablePlace here{"Here :0"};
    const TablePlace tokyo{"Tokyo:9.0", &kTokyo};
    const TablePlace kathmandu{"Kathmandu:5.75", &kKathmandu};
    const LocalClockRules newYork{&kEastern};
    struct Moment {  // then rows and their column 1
        const char* what;
        TablePlace place1, place2;
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
        {{"a fixed place's date, then the local change", TablePlace{"Far:-12.0"}, tokyo, {2026, 3, 8, 3}, newYork},
         {{1, " 3:00 AM"}, {3, " 5:00 AM"}, {23, "12:00 AM"}}},
    };
    for (const auto& [c, rows] : cases) {
        const TimeTable table = Build_Zoned_Time_Table(c.place1, c.place2, At(c.universalNow), c.local);
        EXPECT_EQ(table[0][1], SplitLocationEntry(c.place2.entry).description) << c.what;
        EXPECT_EQ(table[7][0], " 7:00 AM") << c.what;
        for (const auto& [row, text] : rows) {
            EXPECT_EQ(table[static_cast<std::size_t>(row)][1], text) << c.what << " row " << row;
        }
    }
    EXPECT_THROW(Build_Zoned_Time_Table({"Home0"}, tokyo, At({2026, 1, 1}), newYork), InvalidOffsetError);
}

TEST(PlaceZonesTest, ClockTextToTheMinuteMatchesTheHalfHourTexts) {
    for (int halfHours = 0; halfHours < 48; ++halfHours) {
        EXPECT_EQ(Clock_Text_Of(halfHours / 2, halfHours % 2 * 30), Time_To_Clock_Text(halfHours / 2.0));
    }
    EXPECT_EQ(Clock_Text_Of(17, 45), " 5:45 PM");
}

}  // namespace
}  // namespace orvanta
