#include "core/time_zone_rules.h"

#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "sample_zones.h"

namespace orvanta {
namespace {

// No eighth day of the week: no daylight saving time rather than a guess.
const TimeZoneRules kMalformed = Zone("Malformed", -60, {0, 10, 0, 5, 3}, {0, 3, 7, 5, 2});

TEST(TimeZoneRulesTest, ClocksChangeAtTheirZonesTransitions) {
    struct Case {
        const char* what;
        const TimeZoneRules& zone;
        DateTimeParts universal;
        int offsetBefore, offsetAfter;
        DateTimeParts zoneTime;  // the zone's clock at the universal moment
    };
    const Case cases[] = {
        {"US spring", kEastern, {2026, 3, 8, 7}, -300, -240, {2026, 3, 8, 3}},
        {"US autumn", kEastern, {2026, 11, 1, 6}, -240, -300, {2026, 11, 1, 1}},
        {"US 2006, rules of their year", kEastern, {2006, 4, 2, 7}, -300, -240, {2006, 4, 2, 3}},
        {"US 2006 autumn", kEastern, {2006, 10, 29, 6}, -240, -300, {2006, 10, 29, 1}},
        {"US 2000, the first year's rules", kEastern, {2000, 4, 2, 7}, -300, -240, {2000, 4, 2, 3}},
        {"EU, March's fifth Sunday", kCentralEurope, {2026, 3, 29, 1}, 60, 120, {2026, 3, 29, 3}},
        {"EU, October has four Sundays", kCentralEurope, {2026, 10, 25, 1}, 120, 60, {2026, 10, 25, 2}},
        {"Sydney autumn", kSydney, {2026, 4, 4, 16}, 660, 600, {2026, 4, 5, 2}},
        {"Sydney spring", kSydney, {2026, 10, 3, 16}, 600, 660, {2026, 10, 4, 3}},
        {"Chatham autumn", kChatham, {2026, 4, 4, 14}, 825, 765, {2026, 4, 5, 2, 45}},
        {"Chatham spring", kChatham, {2026, 9, 26, 14}, 765, 825, {2026, 9, 27, 3, 45}},
        {"Tokyo", kTokyo, {2026, 7, 1}, 540, 540, {2026, 7, 1, 9}},
        {"Kathmandu", kKathmandu, {2026, 1, 1}, 345, 345, {2026, 1, 1, 5, 45}},
        {"malformed", kMalformed, {2026, 7, 1}, 60, 60, {2026, 7, 1, 1}},
    };
    for (const Case& c : cases) {
        const LocalDateTime universal = At(c.universal);
        EXPECT_EQ(ZoneOffsetMinutes(c.zone, LocalDateTime::FromMilliseconds(universal.Milliseconds() - 1).value()),
                  c.offsetBefore)
            << c.what;
        EXPECT_EQ(ZoneOffsetMinutes(c.zone, universal), c.offsetAfter) << c.what;
        EXPECT_EQ(ZoneTimeFromUniversal(c.zone, universal), At(c.zoneTime)) << c.what;
    }
}

TEST(TimeZoneRulesTest, ZoneTimesReadBackToTheirUniversalMoment) {
    struct Case {
        const char* what;
        const TimeZoneRules& zone;
        DateTimeParts zoneTime, universal;
    };
    const Case cases[] = {
        {"summer", kEastern, {2026, 7, 1, 12}, {2026, 7, 1, 16}},
        {"skipped, read on winter time", kEastern, {2026, 3, 8, 2, 30}, {2026, 3, 8, 7, 30}},
        {"repeated, the first time", kEastern, {2026, 11, 1, 1, 30}, {2026, 11, 1, 5, 30}},
        {"south, skipped", kSydney, {2026, 10, 4, 2, 30}, {2026, 10, 3, 16, 30}},
        {"south, repeated", kSydney, {2026, 4, 5, 2, 30}, {2026, 4, 4, 15, 30}},
        {"Chatham at new year", kChatham, {2026, 1, 1}, {2025, 12, 31, 10, 15}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UniversalFromZoneTime(c.zone, At(c.zoneTime)), At(c.universal)) << c.what;
    }
}

// The same rules against the host's own zone database over eleven years, at times of day that
// move on from one sample to the next.
TEST(TimeZoneRulesTest, AgreesWithTheHostsZoneDatabase) {
    const struct {
        const char* name;
        const TimeZoneRules& zone;
    } zones[] = {{"America/New_York", kEastern}, {"Europe/Berlin", kCentralEurope},
                 {"Australia/Sydney", kSydney},  {"Pacific/Chatham", kChatham},
                 {"Asia/Tokyo", kTokyo},         {"Asia/Kathmandu", kKathmandu}};
    const std::string kZoneInfo = "/usr/share/zoneinfo/";
    const char* saved = getenv("TZ");
    const std::string savedTz = saved != nullptr ? saved : "";
    constexpr std::int64_t kUnixEpoch = 719'162LL * 86'400'000;
    const std::int64_t from = At({2020, 1, 1}).Milliseconds();
    const std::int64_t to = At({2031, 1, 1}).Milliseconds();
    if (!std::ranges::all_of(zones, [&](const auto& z) { return std::filesystem::exists(kZoneInfo + z.name); })) {
        GTEST_SKIP() << "the host's zone database lacks one of the zones";
    }
    for (const auto& z : zones) {
        setenv("TZ", (std::string(":") + z.name).c_str(), 1);
        tzset();
        int faults = 0;
        for (std::int64_t ms = from; ms < to && faults < 3; ms += 187 * 60'000) {
            const time_t seconds = static_cast<time_t>((ms - kUnixEpoch) / 1000);
            struct tm host {};
            ASSERT_NE(localtime_r(&seconds, &host), nullptr);
            const int ours = ZoneOffsetMinutes(z.zone, LocalDateTime::FromMilliseconds(ms).value());
            if (ours != host.tm_gmtoff / 60) {
                ++faults;
                ADD_FAILURE() << z.name << " at " << seconds << ": " << ours << " against " << host.tm_gmtoff / 60;
            }
        }
    }
    saved != nullptr ? setenv("TZ", savedTz.c_str(), 1) : unsetenv("TZ");
    tzset();
}

}  // namespace
}  // namespace orvanta
