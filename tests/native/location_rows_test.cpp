#include "core/location_rows.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// 13:20:05 on 2024-03-05.
const LocalDateTime kNow = LocalDateTime::FromParts({2024, 3, 5, 13, 20, 5, 250}).value();

RegionalFormats TwentyFourHour() {
    RegionalFormats formats;
    formats.clock24Hour = true;
    return formats;
}

LocationRowsPlan Plan(const std::vector<std::string>& entries,
                      bool hideCurrent,
                      bool showDates = false,
                      const RegionalFormats& formats = TwentyFourHour()) {
    std::vector<Place> places;
    for (const std::string& entry : entries) {
        places.push_back(Place::FromEntry(entry));
    }
    return PlanLocationRows({"Here :", places, showDates, hideCurrent}, kNow, formats);
}

// The entry list fills the rows from row 1 on, or from row 0 on when the current location is
// hidden; rows past the last entry are hidden, and an eleventh entry never finds a row.
TEST(LocationRowsTest, MapsEntriesToRows) {
    for (const bool hide : {false, true}) {
        for (const int count : {0, 1, 10, 11}) {
            SCOPED_TRACE(testing::Message() << "hide " << hide << ", " << count << " entries");
            std::vector<std::string> entries;
            for (int i = 0; i < count; ++i) {
                entries.push_back("P" + std::to_string(i) + ":" + std::to_string(i));  // i hours ahead
            }
            const LocationRowsPlan plan = Plan(entries, hide);
            if (!hide) {
                EXPECT_EQ(plan[0].action, RowAction::Show);
                EXPECT_EQ(plan[0].description, "Here :");  // the caption passes through as it is
                EXPECT_EQ(plan[0].time, " 13:20:05 ");
            }
            const int firstEntryRow = hide ? 0 : 1;
            for (int row = firstEntryRow; row < kLocationRowCount; ++row) {
                const int i = row - firstEntryRow;
                if (i < count && i < kMaxOtherLocations) {
                    EXPECT_EQ(plan[row].action, RowAction::Show) << row;
                    EXPECT_EQ(plan[row].description, "P" + std::to_string(i) + " :");
                    EXPECT_EQ(plan[row].time, " " + std::to_string(13 + i) + ":20:05 ");
                } else {
                    EXPECT_EQ(plan[row].action, RowAction::Hide) << row;
                }
            }
        }
    }
}

// An unreadable entry costs only its own time; the rows after it are planned as usual.
TEST(LocationRowsTest, KeepsGoingPastOddEntries) {
    const std::vector<std::string> entries = {
        "Tokyo:9.0", "", "Paris", "5", "Bad:abc", "Far:1e9", "Two:1:2", ":2", "Spaced: -0.5 ", "Delhi:-7.5",
    };
    struct Expected {
        RowAction action;
        const char* description;
        const char* time;
    };
    const Expected expected[] = {
        {RowAction::Show, "Tokyo :", " 22:20:05 "},
        {RowAction::LeaveUntouched, "", ""},
        {RowAction::Show, "Paris :", kUnknownTimeText},
        {RowAction::Show, "5 :", " 18:20:05 "},
        {RowAction::Show, "Bad :", kUnknownTimeText},
        {RowAction::Show, "Far :", kUnknownTimeText},  // beyond the year 9999
        {RowAction::Show, "Two :", kUnknownTimeText},
        {RowAction::Show, " :", " 15:20:05 "},
        {RowAction::Show, "Spaced :", " 12:50:05 "},
        {RowAction::Show, "Delhi :", " 05:50:05 "},
    };
    for (const bool hide : {false, true}) {
        const LocationRowsPlan plan = Plan(entries, hide);
        const int firstEntryRow = hide ? 0 : 1;
        for (int i = 0; i < 10; ++i) {
            const RowPlan& row = plan[firstEntryRow + i];
            EXPECT_EQ(row.action, expected[i].action) << entries[i];
            if (expected[i].action == RowAction::Show) {
                EXPECT_EQ(row.description, expected[i].description) << entries[i];
                EXPECT_EQ(row.time, expected[i].time) << entries[i];
            }
        }
        EXPECT_EQ(plan[0].time, hide ? " 22:20:05 " : " 13:20:05 ");
    }
}

TEST(LocationRowsTest, PutsTheDateInFrontWhenDatesAreShown) {
    const LocationRowsPlan plan = Plan({"Tokyo:11", "Delhi:-7.5", "X:y"}, false, true, {});
    EXPECT_EQ(plan[0].time, " 3/5/24,  01:20:05 pm ");
    EXPECT_EQ(plan[1].time, " 3/6/24,  12:20:05 am ");
    EXPECT_EQ(plan[2].time, " 3/5/24,  05:50:05 am ");
    EXPECT_EQ(plan[3].time, kUnknownTimeText);
    EXPECT_EQ(plan[1].description, "Tokyo :");
}

}  // namespace
}  // namespace orvanta
