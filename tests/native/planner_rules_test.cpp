#include "planner/planner_rules.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace orvanta {
namespace {

// A new end of the working day moves the other along rather than leave no working day.
TEST(PlannerRulesTest, ChoosingOneEndKeepsAWorkingDay) {
    const WorkingHours nineToFive;
    const struct {
        bool start;
        int minutes;
        WorkingHours expected;
    } cases[] = {
        {true, 8 * 60, {8 * 60, 17 * 60}},
        {true, 17 * 60, {17 * 60, 17 * 60 + 30}},
        {true, 23 * 60 + 30, {23 * 60 + 30, 24 * 60}},
        {false, 24 * 60, {9 * 60, 24 * 60}},
        {false, 9 * 60, {8 * 60 + 30, 9 * 60}},
        {false, 30, {0, 30}},
    };
    for (const auto& c : cases) {
        const WorkingHours chosen =
            c.start ? WithWorkingStart(nineToFive, c.minutes) : WithWorkingEnd(nineToFive, c.minutes);
        EXPECT_EQ(chosen, c.expected) << c.start << " " << c.minutes;
        EXPECT_TRUE(chosen.Valid());
        EXPECT_EQ(WorkingStartOfChoice(ChoiceOfWorkingStart(chosen)), chosen.startMinutes);
        EXPECT_EQ(WorkingEndOfChoice(ChoiceOfWorkingEnd(chosen)), chosen.endMinutes);
    }
    const RegionalFormats clock24{.clock24Hour = true, .hourLeadingZero = true};
    EXPECT_EQ(WorkingEndChoices(clock24).back(), "24:00");
    EXPECT_EQ(WorkingStartChoices(RegionalFormats{}).front(), "12:00 am");
    EXPECT_EQ(WorkingStartChoices(clock24).size(), 48u);
}

// Colour never tells the class alone, and a high-contrast theme keeps its own colours.
TEST(PlannerRulesTest, EachClassHasACueBesideColour) {
    const HourClass classes[] = {HourClass::Working, HourClass::NearWorking, HourClass::Night};
    for (const bool highContrast : {false, true}) {
        std::set<std::pair<bool, bool>> cues;
        for (const HourClass hourClass : classes) {
            const CellLook look = CellLookOf(hourClass, highContrast);
            cues.insert({look.bold, look.italic});
            EXPECT_EQ(look.back.kind == forms::Color::Kind::Rgb, !highContrast);
        }
        EXPECT_EQ(cues.size(), 3u);
    }
}

}  // namespace
}  // namespace orvanta
