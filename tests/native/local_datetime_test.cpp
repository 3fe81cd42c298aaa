#include "core/local_datetime.h"

#include <cstdint>
#include <limits>
#include <tuple>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

constexpr std::int64_t kDay = 86'400'000;
constexpr double kOneMsInDays = 1.0 / static_cast<double>(kDay);

LocalDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0) {
    return LocalDateTime::FromParts({year, month, day, hour, minute, second, ms}).value();
}

TEST(LocalDateTimeTest, FromPartsRefusesDatesThatDoNotExist) {
    const DateTimeParts invalid[] = {{0, 1, 1},
                                     {10000, 1, 1},
                                     {2024, 0, 1},
                                     {2024, 13, 1},
                                     {2024, 1, 0},
                                     {2024, 4, 31},
                                     {2024, 2, 30},
                                     {2023, 2, 29},
                                     {1900, 2, 29},
                                     {2024, 1, 1, 24},
                                     {2024, 1, 1, 0, 60},
                                     {2024, 1, 1, 0, 0, 60},
                                     {2024, 1, 1, 0, 0, 0, 1000},
                                     {2024, 1, 1, 0, 0, 0, -1}};
    for (const DateTimeParts& p : invalid) {
        EXPECT_FALSE(LocalDateTime::FromParts(p)) << p.year << "-" << p.month << "-" << p.day << " " << p.hour;
    }
    EXPECT_TRUE(LocalDateTime::FromParts({2000, 2, 29}));
    EXPECT_TRUE(LocalDateTime::FromParts({2024, 2, 29, 23, 59, 59, 999}));
}

// Fixed points checked against other calendars, with their day of the week.
TEST(LocalDateTimeTest, KnownDatesHaveTheirCountAndWeekday) {
    struct Case {
        int year, month, day;
        std::int64_t days;
        int dayOfWeek;
    };
    const Case cases[] = {
        {1, 1, 1, 0, 1},               // Monday
        {1, 3, 1, 59, 4},              // year 1 is no leap year
        {1970, 1, 1, 719'162, 4},      // Thursday
        {2000, 1, 1, 730'119, 6},      // Saturday
        {2024, 2, 29, 738'944, 4},     // Thursday
        {9999, 12, 31, 3'652'058, 5},  // Friday
    };
    for (const Case& c : cases) {
        const LocalDateTime moment = At(c.year, c.month, c.day, 12, 34, 56, 789);
        EXPECT_EQ(moment.Milliseconds(), c.days * kDay + 45'296'789) << c.year;
        const DateTimeParts p = moment.Split();
        EXPECT_EQ(std::tie(p.year, p.month, p.day, p.hour, p.minute, p.second, p.millisecond, p.dayOfWeek),
                  std::tuple(c.year, c.month, c.day, 12, 34, 56, 789, c.dayOfWeek))
            << c.year;
    }
}

// Every day around two century turns and a sparse walk over the whole range: each day splits into
// a valid date that builds back to the same count and follows its predecessor.
TEST(LocalDateTimeTest, SplitAndFromPartsAgreeDayByDay) {
    const auto check = [](std::int64_t firstDay, std::int64_t lastDay, std::int64_t step) {
        DateTimeParts previous = LocalDateTime::FromMilliseconds(firstDay * kDay)->Split();
        for (std::int64_t day = firstDay + step; day <= lastDay; day += step) {
            const DateTimeParts p = LocalDateTime::FromMilliseconds(day * kDay)->Split();
            const std::optional<LocalDateTime> rebuilt = LocalDateTime::FromParts(p);
            ASSERT_TRUE(rebuilt) << day;
            ASSERT_EQ(rebuilt->Milliseconds(), day * kDay) << day;
            ASSERT_EQ(p.dayOfWeek, (previous.dayOfWeek + step) % 7) << day;
            if (step == 1) {
                const bool sameMonth = p.year == previous.year && p.month == previous.month;
                const bool nextMonth = (p.year == previous.year && p.month == previous.month + 1) ||
                                       (p.year == previous.year + 1 && p.month == 1 && previous.month == 12);
                ASSERT_TRUE((sameMonth && p.day == previous.day + 1) || (nextMonth && p.day == 1))
                    << p.year << "-" << p.month << "-" << p.day;
            }
            previous = p;
        }
    };
    check(693'500, 694'600, 1);  // 1899 to 1902
    check(729'800, 730'900, 1);  // 1999 to 2002
    check(0, 3'652'058, 97);
}

TEST(LocalDateTimeTest, StaysWithinTheYears1To9999) {
    const LocalDateTime first = At(1, 1, 1);
    const LocalDateTime last = At(9999, 12, 31, 23, 59, 59, 999);
    EXPECT_EQ(LocalDateTime::FromMilliseconds(last.Milliseconds()), last);
    EXPECT_FALSE(LocalDateTime::FromMilliseconds(last.Milliseconds() + 1));
    EXPECT_FALSE(LocalDateTime::FromMilliseconds(-1));

    EXPECT_FALSE(last.AddDays(kOneMsInDays));
    EXPECT_EQ(last.AddDays(-kOneMsInDays), At(9999, 12, 31, 23, 59, 59, 998));
    EXPECT_FALSE(first.AddDays(-kOneMsInDays));
    EXPECT_EQ(first.AddDays(3'652'059.0 - kOneMsInDays), last);
    EXPECT_EQ(last.AddDays(-3'652'059.0 + kOneMsInDays), first);
    EXPECT_FALSE(first.AddDays(3'652'059.0));

    // 9.3e12 days is just beyond what an int64 of milliseconds holds.
    for (const double days : {9.3e12, -9.3e12, 1e300, std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(At(2024, 6, 15).AddDays(days)) << days;
    }
}

TEST(LocalDateTimeTest, AddDaysRoundsToTheNearestMillisecond) {
    const LocalDateTime lastMs = At(2023, 12, 31, 23, 59, 59, 999);
    EXPECT_EQ(lastMs.AddDays(0.4 * kOneMsInDays), lastMs);
    EXPECT_EQ(lastMs.AddDays(0.6 * kOneMsInDays), At(2024, 1, 1));
    EXPECT_EQ(lastMs.AddDays(-0.4 * kOneMsInDays), lastMs);
    EXPECT_EQ(lastMs.AddDays(-0.6 * kOneMsInDays), At(2023, 12, 31, 23, 59, 59, 998));
    // A half rounds upwards whatever the sign of the offset, as the sum itself would round.
    EXPECT_EQ(lastMs.AddDays(-1.5 / static_cast<double>(kDay)), At(2023, 12, 31, 23, 59, 59, 998));
    EXPECT_EQ(lastMs.AddDays(0.5 / static_cast<double>(kDay)), At(2024, 1, 1));
    // Offsets as the entries give them, in hours: 0.0004 h is 1440 ms, 1e-7 h is 0.36 ms, and
    // -9.5 h lands on the exact minute despite the inexact division by 24.
    EXPECT_EQ(lastMs.AddDays(0.0004 / 24.0), At(2024, 1, 1, 0, 0, 1, 439));
    EXPECT_EQ(lastMs.AddDays(1e-7 / 24.0), lastMs);
    EXPECT_EQ(lastMs.AddDays(2e-7 / 24.0), At(2024, 1, 1));
    EXPECT_EQ(At(2024, 3, 5, 8, 10).AddDays(-9.5 / 24.0), At(2024, 3, 4, 22, 40));
}

}  // namespace
}  // namespace orvanta
