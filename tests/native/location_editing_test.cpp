#include "settings/location_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace orvanta {
namespace {

TEST(StepOffsetTextTest, StepsByHalfHoursAndStopsAtTheBounds) {
    std::string text = "0.0";
    for (int click = 1; click <= 48; ++click) {
        text = StepOffsetText(text, -1);
    }
    EXPECT_EQ(text, "-24.0");
    EXPECT_EQ(StepOffsetText(text, -1), "-24.0");

    text = "0.0";
    for (int click = 1; click <= 48; ++click) {
        text = StepOffsetText(text, +1);
    }
    EXPECT_EQ(text, "24.0");
    EXPECT_EQ(StepOffsetText(text, +1), "24.0");
}

TEST(StepOffsetTextTest, StartsFromWhateverIsInTheBox) {
    struct Case {
        const char* text;
        int direction;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"-0.5", +1, "0.0"},  {"0.5", -1, "0.0"},     {"5.5", +1, "6.0"},   {"-3.0", -1, "-3.5"},
        {"3", +1, "3.5"},     {" 9.0 ", -1, "8.5"},   {"", +1, "0.5"},      {"abc", -1, "-0.5"},
        {"5.25", +1, "5.8"},  {"23.75", +1, "24.2"},  {"24.2", +1, "24.2"}, {"-30", +1, "-29.5"},
        {"-30", -1, "-30.0"}, {"-24.0", +1, "-23.5"}, {"7", 0, "7.0"},      {"1e1", +1, "10.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StepOffsetText(c.text, c.direction), c.expected) << '"' << c.text << "\" " << c.direction;
    }
}

TEST(FormatOffsetHoursTest, WritesOneDecimalAndNeverMinusZero) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0.0, "0.0"}, {-0.0, "0.0"}, {-0.04, "0.0"}, {5.5, "5.5"}, {-5.0, "-5.0"}, {-0.5, "-0.5"}, {12.25, "12.2"},
    };
    for (const auto& [hours, expected] : cases) {
        EXPECT_EQ(FormatOffsetHours(hours), expected) << hours;
    }
}

TEST(AddLocationTest, RefusesABlankDescriptionBeforeAFullList) {
    EXPECT_EQ(CheckNewLocation("", 0), NewLocationCheck::BlankDescription);
    EXPECT_EQ(CheckNewLocation("", 10), NewLocationCheck::BlankDescription);
    EXPECT_EQ(CheckNewLocation(" ", 0), NewLocationCheck::Accepted);
    EXPECT_EQ(CheckNewLocation("Tokyo", 9), NewLocationCheck::Accepted);
    EXPECT_EQ(CheckNewLocation("Tokyo", 10), NewLocationCheck::ListFull);
    EXPECT_EQ(CheckNewLocation("Tokyo", 11), NewLocationCheck::ListFull);
}

TEST(AddLocationTest, BuildsTheEntryFromTheCleanedDescription) {
    const std::vector<std::tuple<std::string, std::string, std::string, std::string>> cases = {
        // description, offset, cleaned description, entry
        {"Rio: Brazil", "-3.0", "Rio Brazil", "Rio Brazil:-3.0"},
        {"Tokyo", "9.0", "Tokyo", "Tokyo:9.0"},
        {"a::b:", "0.5", "ab", "ab:0.5"},
        {":", "2.0", "", ":2.0"},
    };
    for (const auto& [description, offset, cleaned, entry] : cases) {
        EXPECT_EQ(CleanLocationDescription(description), cleaned);
        EXPECT_EQ(BuildLocationEntry(CleanLocationDescription(description), offset), entry);
    }
    // A description of only ":" passes the blank check, as it is checked before cleaning.
    EXPECT_EQ(CheckNewLocation(":", 0), NewLocationCheck::Accepted);
}

}  // namespace
}  // namespace orvanta
