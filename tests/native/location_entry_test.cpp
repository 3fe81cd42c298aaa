#include "core/location_entry.h"

#include <string>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(LocationEntryTest, SplitsAtTheFirstColon) {
    struct Case {
        const char* entry;
        const char* description;
        const char* offsetText;
    };
    const Case cases[] = {
        {"Tokyo:9.0", "Tokyo", "9.0"},
        {"New York: -5 ", "New York", " -5 "},
        {"A:1:2", "A", "1:2"},
        {":5", "", "5"},
        {"Paris:", "Paris", ""},
        {"Paris", "Paris", "Paris"},  // no colon: the whole entry is both
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const LocationEntryParts parts = SplitLocationEntry(c.entry);
        EXPECT_EQ(parts.description, c.description) << c.entry;
        EXPECT_EQ(parts.offsetText, c.offsetText) << c.entry;
    }
}

TEST(LocationEntryTest, ReadsOffsetsInTheAcceptedForms) {
    struct Case {
        const char* text;
        double hours;
    };
    const Case cases[] = {
        {"9.0", 9.0},    {" -9.5 ", -9.5}, {"+5", 5.0},          {"1e1", 10.0},  {"2.5E-1", 0.25},
        {"0", 0.0},      {"  12  ", 12.0}, {"-0.25", -0.25},     {"1E+1", 10.0}, {"05.750", 5.75},
        {"1e-400", 0.0}, {"-1e-400", 0.0}, {"100000", 100000.0},
    };
    for (const Case& c : cases) {
        const std::optional<double> hours = ParseOffsetHours(c.text);
        ASSERT_TRUE(hours.has_value()) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(*hours, c.hours) << '"' << c.text << '"';
    }
}

TEST(LocationEntryTest, RefusesEverythingElse) {
    const char* refused[] = {"",    " ",    "abc", "5.",  ".5",  "5,5",   "--1",   "+-1",    "1e",
                             "1e+", "0x10", "inf", "nan", "1 2", "5.5a",  "1e999", "-1e999", "1:2",
                             "\t5", "5\t",  "+",   "-",   "e5",  "1.2.3", "1e2.5", "١"};
    for (const char* text : refused) {
        EXPECT_FALSE(ParseOffsetHours(text).has_value()) << '"' << text << '"';
    }
}

// A long mantissa decides whether an out-of-range value is too large or just too close to zero,
// whatever the sign of its exponent.
TEST(LocationEntryTest, TellsOverflowFromUnderflowByTheWholeNumber) {
    const std::string zeros(400, '0');
    EXPECT_FALSE(ParseOffsetHours("1" + zeros + "e-1").has_value());
    EXPECT_FALSE(ParseOffsetHours("1" + zeros).has_value());
    EXPECT_EQ(ParseOffsetHours("0." + zeros + "1"), 0.0);
    EXPECT_EQ(ParseOffsetHours("0." + zeros + "1e+5"), 0.0);
    EXPECT_EQ(ParseOffsetHours("1" + zeros + "e-800"), 0.0);
    EXPECT_EQ(ParseOffsetHours("1" + zeros + "e-405"), 1e-5);
    EXPECT_FALSE(ParseOffsetHours("1e99999999999999999999999").has_value());
    EXPECT_EQ(ParseOffsetHours("1e-99999999999999999999999"), 0.0);
    EXPECT_EQ(ParseOffsetHours("0e99999"), 0.0);
}

}  // namespace
}  // namespace orvanta
