#include "settings/location_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace orvanta {
namespace {

TEST(StepOffsetTest, StepsByHalfHoursAndStopsAtTheBounds) {
    for (const int direction : {-1, +1}) {
        int minutes = 0;
        for (int click = 1; click <= 48; ++click) {
            minutes = StepOffsetMinutes(minutes, direction);
        }
        EXPECT_EQ(minutes, direction * kMaxOffsetMinutes);
        EXPECT_EQ(StepOffsetMinutes(minutes, direction), minutes);
        EXPECT_EQ(StepOffsetMinutes(minutes, -direction), direction * (kMaxOffsetMinutes - 30));
    }
    EXPECT_EQ(OffsetTextOfMinutes(StepOffsetMinutes(-30, +1)), "0.0");
    // Where a zone's difference was left between two steps, a click goes to the next step its way.
    for (const auto& [minutes, up, down] :
         {std::tuple{345, 360, 330}, {-345, -330, -360}, {-15, 0, -30}, {1500, 1500, 1470}}) {
        EXPECT_EQ(StepOffsetMinutes(minutes, +1), up) << minutes;
        EXPECT_EQ(StepOffsetMinutes(minutes, -1), down) << minutes;
    }
}

// A chosen place names itself in a blank description, or in one the finder filled; never in one
// the user typed.
TEST(PlaceFinderChoiceTest, FillsOnlyADescriptionTheUserDidNotType) {
    // description, filled by the finder, city chosen, description after
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"", "", "Tokyo", "Tokyo"},
        {" \t", "", "Tokyo", "Tokyo"},
        {"Tokyo", "Tokyo", "Osaka", "Osaka"},
        {"Home", "", "Tokyo", "Home"},
        {"Tokyo 2", "Tokyo", "Osaka", "Tokyo 2"},
        {"", "", "", ""}};
    for (const auto& [description, filled, city, after] : cases) {
        EXPECT_EQ(DescriptionAfterChoosing(description, filled, city), after) << description << "/" << city;
    }
}

TEST(AddLocationTest, RefusesABlankDescriptionBeforeAFullList) {
    EXPECT_EQ(CheckNewLocation("", 0), NewLocationCheck::BlankDescription);
    EXPECT_EQ(CheckNewLocation("", 10), NewLocationCheck::BlankDescription);
    EXPECT_EQ(CheckNewLocation(" ", 0), NewLocationCheck::BlankDescription);
    EXPECT_EQ(CheckNewLocation(" \t  ", 10), NewLocationCheck::BlankDescription);
    EXPECT_EQ(CheckNewLocation(" x ", 0), NewLocationCheck::Accepted);
    EXPECT_EQ(CheckNewLocation("Tokyo", 9), NewLocationCheck::Accepted);
    EXPECT_EQ(CheckNewLocation("Tokyo", 10), NewLocationCheck::ListFull);
    EXPECT_EQ(CheckNewLocation("Tokyo", 11), NewLocationCheck::ListFull);
}

TEST(AddLocationTest, BuildsTheEntryFromTheCleanedDescription) {
    const std::vector<std::tuple<std::string, int, std::string, std::string>> cases = {
        // description, offset, cleaned description, entry
        {"Rio: Brazil", -180, "Rio Brazil", "Rio Brazil:-3.0"},
        {"Tokyo", 540, "Tokyo", "Tokyo:9.0"},
        {"a::b:", 30, "ab", "ab:0.5"},
        {":", 120, "", ":2.0"},
    };
    for (const auto& [description, minutes, cleaned, entry] : cases) {
        EXPECT_EQ(CleanLocationDescription(description), cleaned);
        EXPECT_EQ(Place::AtMinutes(CleanLocationDescription(description), minutes).Entry(), entry);
    }
    // A description of only ":" passes the blank check, as it is checked before cleaning.
    EXPECT_EQ(CheckNewLocation(":", 0), NewLocationCheck::Accepted);
}

}  // namespace
}  // namespace orvanta
