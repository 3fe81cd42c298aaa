#include "core/place.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// An entry becomes a place once, split at its first ":", and is written back byte for byte.
TEST(PlaceTest, ReadsAnEntryOnceAndWritesItBackAsItCame) {
    struct Case {
        const char* entry;
        const char* description;
        const char* offsetText;
        std::optional<double> hours;
    };
    const Case cases[] = {
        {"Tokyo:9.0", "Tokyo", "9.0", 9.0},
        {"New York: -5 ", "New York", " -5 ", -5.0},
        {"A:1:2", "A", "1:2", std::nullopt},
        {":5", "", "5", 5.0},
        {"Paris:", "Paris", "", std::nullopt},
        {"Paris", "Paris", "Paris", std::nullopt},  // no colon: the whole entry is both
        {"5", "5", "5", 5.0},
        {"Far:1e9", "Far", "1e9", 1e9},
        {"Big:100", "Big", "100", 100.0},
        {"", "", "", std::nullopt},
    };
    for (const Case& c : cases) {
        const Place place = Place::FromEntry(c.entry, "Zone");
        EXPECT_EQ(place.Description(), c.description) << c.entry;
        EXPECT_EQ(place.OffsetText(), c.offsetText) << c.entry;
        EXPECT_EQ(place.OffsetHours(), c.hours) << c.entry;
        EXPECT_EQ(place.Entry(), c.entry);
        EXPECT_EQ(place.IsBlank(), std::string_view(c.entry).empty()) << c.entry;
    }
}

// What the dialog adds and what a zoned place is saved as: exact texts that read back to the minute.
TEST(PlaceTest, WritesWholeMinutesAsOffsetTextsThatReadBack) {
    const std::pair<int, const char*> cases[] = {
        {540, "9.0"},    {330, "5.5"},    {-210, "-3.5"},  {0, "0.0"},          {-30, "-0.5"},     {1440, "24.0"},
        {-1440, "-24.0"}, {345, "5.75"}, {825, "13.75"}, {-15, "-0.25"}, {10, "0.16666666666666666"},
    };
    for (const auto& [minutes, text] : cases) {
        const Place place = Place::AtMinutes("P", minutes);
        EXPECT_EQ(place.Entry(), std::string("P:") + text);
        EXPECT_EQ(place.OffsetHours(), minutes / 60.0) << text;
        EXPECT_EQ(Place::FromEntry(place.Entry()), place) << text;
    }
    EXPECT_EQ(Place::FromEntry("Paris", "Zone").AtOffsetMinutes(60).Entry(), "Paris:1.0");
}

TEST(PlaceTest, ReadsOffsetsInTheAcceptedForms) {
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

TEST(PlaceTest, RefusesEverythingElse) {
    const char* refused[] = {"",    " ",    "abc", "5.",  ".5",  "5,5",   "--1",   "+-1",    "1e",
                             "1e+", "0x10", "inf", "nan", "1 2", "5.5a",  "1e999", "-1e999", "1:2",
                             "\t5", "5\t",  "+",   "-",   "e5",  "1.2.3", "1e2.5", "١"};
    for (const char* text : refused) {
        EXPECT_FALSE(ParseOffsetHours(text).has_value()) << '"' << text << '"';
    }
}

// A long mantissa decides whether an out-of-range value is too large or just too close to zero,
// whatever the sign of its exponent.
TEST(PlaceTest, TellsOverflowFromUnderflowByTheWholeNumber) {
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
