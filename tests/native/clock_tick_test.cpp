#include "core/clock_tick.h"

#include <gtest/gtest.h>

#include "core/digit_texts.h"

namespace orvanta {
namespace {

LocalDateTime At(int second, int millisecond) {
    return *LocalDateTime::FromParts({2026, 12, 7, 23, 59, second, millisecond});
}

TEST(ClockTickTest, TheNextTickLandsJustPastTheNextSecondFromAnyMillisecond) {
    for (int millisecond = 0; millisecond < 1000; ++millisecond) {
        const LocalDateTime now = At(58, millisecond);
        const std::int64_t next = now.Milliseconds() + MillisecondsToNextTick(now);
        EXPECT_EQ(next, At(59, 0).Milliseconds() + kTickMarginMs) << millisecond;
    }
    // The last millisecond of a second still waits for the next one, not the one after.
    EXPECT_EQ(MillisecondsToNextTick(At(58, 999)), 1 + kTickMarginMs);
}

TEST(ClockTickTest, AClockSetBackIsFollowedFromItsNewTime) {
    // Nothing of the earlier reading is kept: an hour back gives the same wait as any moment.
    const LocalDateTime before = At(30, 400);
    const LocalDateTime setBack = *LocalDateTime::FromParts({2026, 12, 7, 22, 59, 30, 900});
    EXPECT_EQ(MillisecondsToNextTick(before), 600 + kTickMarginMs);
    EXPECT_EQ(MillisecondsToNextTick(setBack), 100 + kTickMarginMs);
}

TEST(ClockTickTest, TicksKeepASteadySecondWhileTheyLandSoonPastOneAndAimAgainOtherwise) {
    for (int millisecond = 0; millisecond < 1000; ++millisecond) {
        const LocalDateTime now = At(58, millisecond);
        const unsigned interval = TickInterval(now);
        const std::int64_t intoNext = now.Milliseconds() + interval - At(59, 0).Milliseconds();
        EXPECT_TRUE(intoNext >= 0 && intoNext <= kTickLatenessMs) << millisecond;
        EXPECT_EQ(interval == 1000, millisecond <= static_cast<int>(kTickLatenessMs)) << millisecond;
    }
}

// A tick's new time keeps the label's width when only digits change, in the same places.
TEST(ClockTickTest, OnlyDigitsInTheSamePlacesMayDifferForTheWidthToBeKept) {
    EXPECT_TRUE(DiffersOnlyInDigits("Mon 7 Dec 23:59:59", "Mon 7 Dec 00:00:00"));
    EXPECT_FALSE(DiffersOnlyInDigits("9:59:59", "10:00:00"));
    EXPECT_FALSE(DiffersOnlyInDigits("10:42 AM", "10:42 PM"));
}

}  // namespace
}  // namespace orvanta
