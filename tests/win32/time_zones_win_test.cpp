#include <gtest/gtest.h>

#include <algorithm>

#include "core/time_zone_rules.h"
#include "toolkit/win_time_zones.h"

namespace orvanta::testing {
namespace {

TEST(SystemTimeZonesTest, ListsTheZonesWestToEastWithTheirNames) {
    const std::vector<TimeZoneRules> zones = toolkit::ReadSystemTimeZones();
    ASSERT_GT(zones.size(), 50u);
    EXPECT_TRUE(std::is_sorted(zones.begin(), zones.end(), [](const TimeZoneRules& a, const TimeZoneRules& b) {
        return a.rules.bias > b.rules.bias;
    }));
    const auto tokyo = std::find_if(zones.begin(), zones.end(),
                                    [](const TimeZoneRules& zone) { return zone.keyName == "Tokyo Standard Time"; });
    ASSERT_NE(tokyo, zones.end());
    EXPECT_EQ(tokyo->rules.bias, -540);
    EXPECT_EQ(tokyo->displayName.rfind("(UTC+09:00)", 0), 0u) << tokyo->displayName;
    EXPECT_FALSE(toolkit::ReadSystemTimeZone("No Such Standard Time"));
}

// The system's own rules, read by key name, through the portable conversion.
TEST(SystemTimeZonesTest, ZonesFollowTheirDaylightSavingRules) {
    const struct {
        const char* keyName;
        DateTimeParts universal, zoneTime;
    } cases[] = {
        {"W. Europe Standard Time", {2026, 1, 15, 12}, {2026, 1, 15, 13}},
        {"W. Europe Standard Time", {2026, 7, 15, 12}, {2026, 7, 15, 14}},
        {"AUS Eastern Standard Time", {2026, 1, 15, 12}, {2026, 1, 15, 23}},
        {"AUS Eastern Standard Time", {2026, 7, 15, 12}, {2026, 7, 15, 22}},
        {"Nepal Standard Time", {2026, 7, 15, 12}, {2026, 7, 15, 17, 45}},
        {"Eastern Standard Time", {2026, 3, 8, 6, 59, 59, 999}, {2026, 3, 8, 1, 59, 59, 999}},
        {"Eastern Standard Time", {2026, 3, 8, 7}, {2026, 3, 8, 3}},
        {"Eastern Standard Time", {2006, 3, 20, 12}, {2006, 3, 20, 7}},  // its rules of 2006
    };
    for (const auto& c : cases) {
        const auto zone = toolkit::ReadSystemTimeZone(c.keyName);
        ASSERT_TRUE(zone) << c.keyName;
        EXPECT_EQ(ZoneTimeFromUniversal(*zone, LocalDateTime::FromParts(c.universal).value()),
                  LocalDateTime::FromParts(c.zoneTime))
            << c.keyName << " in month " << c.universal.month;
    }
}

}  // namespace
}  // namespace orvanta::testing
