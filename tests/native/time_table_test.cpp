#include "timetable/time_table.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace orvanta {
namespace {

// The clock text of a whole number of half hours, worked out on integers.
std::string ExpectedClockText(int halfHours) {
    const int ofDay = ((halfHours % 48) + 48) % 48;
    const int hour24 = ofDay / 2;
    const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
    char text[16];
    std::snprintf(text, sizeof text, "%2d:%s %s", hour12, ofDay % 2 == 0 ? "00" : "30", hour24 < 12 ? "AM" : "PM");
    return text;
}

TEST(TimeToClockTextTest, MatchesTheClockForEveryHalfHourOverFiveDays) {
    for (int halfHours = -96; halfHours <= 144; ++halfHours) {
        EXPECT_EQ(Time_To_Clock_Text(halfHours / 2.0), ExpectedClockText(halfHours)) << halfHours / 2.0;
    }
}

TEST(TimeToClockTextTest, WritesOtherFractionsAsTheyCome) {
    // Offsets in quarter hours are not what the dialog produces, but can be typed into the file.
    const std::vector<std::pair<double, std::string>> cases = {
        {5.75, "5.75 AM"},
        {13.25, "1.25 PM"},
        {0.25, "12.25 AM"},
        {1.05, " 1:005 AM"},
    };
    for (const auto& [hours, expected] : cases) {
        EXPECT_EQ(Time_To_Clock_Text(hours), expected) << hours;
    }
}

TEST(TimeToClockTextTest, FoldsHugeValuesWithoutLoopingAndMarksNonNumbers) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<std::pair<double, std::string>> cases = {
        // 1e15 leaves 16 when divided by 24.
        {1e15 + 1.5, " 5:30 PM"},
        {-1e15 + 1.5, " 9:30 AM"},
        {24.0 * std::ldexp(1.0, 60), "12:00 AM"},
        {-24.0 * std::ldexp(1.0, 60), "12:00 AM"},
        // Too small to show against a whole day: it rounds to midnight.
        {-1e-20, "12:00 AM"},
        {-0.0, "12:00 AM"},
        {inf, " ?? "},
        {-inf, " ?? "},
        {std::numeric_limits<double>::quiet_NaN(), " ?? "},
    };
    for (const auto& [hours, expected] : cases) {
        EXPECT_EQ(Time_To_Clock_Text(hours), expected) << hours;
    }
    // Any finite value gives some clock text.
    EXPECT_NE(Time_To_Clock_Text(std::numeric_limits<double>::max()).find('M'), std::string::npos);
}

Place P(const std::string& entry) {
    return Place::FromEntry(entry);
}

// The current location is the local clock whatever its caption; its text is the caption and "0".
TEST(TimeTableChoicesTest, OffersTheCurrentLocationAtOffsetZeroFirst) {
    const struct {
        const char* caption;
        const char* text;
        const char* description;
    } cases[] = {{"Here :", "Here :0", "Here "}, {"Here : ", "Here : 0", "Here "}, {"London", "London0", "London0"},
                 {"A:B:", "A:B:0", "A"},       {"", "0", "0"}};
    for (const auto& c : cases) {
        const TimeTableChoices choices = TimeTableChoicesOf(c.caption, {P("Tokyo:9.0"), P("Odd")});
        EXPECT_EQ(choices.texts, (std::vector<std::string>{c.text, "Tokyo:9.0", "Odd"}));
        EXPECT_EQ(choices.places[0].Description(), c.description);
        const TimeTable table = Build_Time_Table(choices.places[0], choices.places[1]);
        EXPECT_EQ(table[0][0], c.description);
        EXPECT_EQ(table[1][1], "10:00 AM") << c.caption;
    }
}

TEST(DefaultTimeTablePairTest, ComparesTheCurrentLocationWithTheFirstOtherOrWithItself) {
    using Pair = std::array<std::size_t, kTimeTableColumns>;
    EXPECT_EQ(DefaultTimeTablePair(3), (Pair{0, 1}));
    EXPECT_EQ(DefaultTimeTablePair(2), (Pair{0, 1}));
    EXPECT_EQ(DefaultTimeTablePair(1), (Pair{0, 0}));
}

struct TableCase {
    std::string otherEntry;
    std::string description;
    std::vector<std::tuple<int, std::string, std::string>> rows;
};

TEST(BuildTimeTableTest, ShiftsTheSecondColumnByTheDifferenceOfOffsets) {
    const std::vector<TableCase> cases = {
        {"Tokyo:9.0",
         "Tokyo",
         {{1, " 1:00 AM", "10:00 AM"},
          {3, " 3:00 AM", "12:00 PM"},
          {15, " 3:00 PM", "12:00 AM"},
          {16, " 4:00 PM", " 1:00 AM"},
          {24, "12:00 AM", " 9:00 AM"}}},
        {"Bombay:5.5",
         "Bombay",
         {{1, " 1:00 AM", " 6:30 AM"},
          {7, " 7:00 AM", "12:30 PM"},
          {18, " 6:00 PM", "11:30 PM"},
          {19, " 7:00 PM", "12:30 AM"}}},
        {"New York:-5.0",
         "New York",
         {{1, " 1:00 AM", " 8:00 PM"},
          {5, " 5:00 AM", "12:00 AM"},
          {17, " 5:00 PM", "12:00 PM"},
          {24, "12:00 AM", " 7:00 PM"}}},
    };
    for (const auto& c : cases) {
        const TimeTable table = Build_Time_Table(P("Here :0"), P(c.otherEntry));
        EXPECT_EQ(table[0][0], "Here ");
        EXPECT_EQ(table[0][1], c.description);
        for (const auto& [row, here, there] : c.rows) {
            EXPECT_EQ(table[row][0], here) << c.otherEntry << " row " << row;
            EXPECT_EQ(table[row][1], there) << c.otherEntry << " row " << row;
        }
    }
}

TEST(BuildTimeTableTest, OffsetsADayApartReadTheSame) {
    const TimeTable table = Build_Time_Table(P("West:-24.0"), P("East:24.0"));
    for (int row = 1; row < kTimeTableRows; ++row) {
        EXPECT_EQ(table[row][1], table[row][0]) << row;
    }
    EXPECT_EQ(table[24][1], "12:00 AM");
}

TEST(BuildTimeTableTest, RefusesAnOffsetThatIsNoNumberCheckingTheFirstEntryFirst) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"Home0", "Tokyo:9.0", "'Home0' is not a valid floating point value"},
        {"Here :0", "Tokyo:nine", "'nine' is not a valid floating point value"},
        {"A:x", "B:y", "'x' is not a valid floating point value"},
        {"Here :0", "Nowhere:", "'' is not a valid floating point value"},
    };
    for (const auto& [entry1, entry2, message] : cases) {
        try {
            Build_Time_Table(P(entry1), P(entry2));
            ADD_FAILURE() << entry1 << " / " << entry2 << " was accepted";
        } catch (const InvalidOffsetError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }
}

TEST(TimeTableClipboardTextTest, WritesTwentyFiveTabSeparatedLines) {
    const std::string text = TimeTableClipboardText(Build_Time_Table(P("Here :0"), P("Tokyo:9.0")));

    std::string expected = "Here \tTokyo\r\n";
    for (int hour = 1; hour <= 24; ++hour) {
        expected += ExpectedClockText(2 * hour) + "\t" + ExpectedClockText(2 * (hour + 9)) + "\r\n";
    }
    EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace orvanta
