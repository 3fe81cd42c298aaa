#include "core/time_zone_rules.h"

#include <algorithm>
#include <cstdint>

namespace orvanta {

namespace {

constexpr std::int64_t kMsPerMinute = 60'000;
constexpr std::int64_t kMsPerDay = 86'400'000;

// The year of a count of milliseconds, held to the years a LocalDateTime can hold, so that a moment
// near either end still finds its rules.
int YearOf(std::int64_t ms) {
    if (const auto moment = LocalDateTime::FromMilliseconds(ms)) {
        return moment->Split().year;
    }
    return ms < 0 ? 1 : 9999;
}

// Where a transition falls in `year` on the clock it is read on. Nothing when the rule names no
// day there, which the caller takes as a year without daylight saving time rather than guess.
// An absolute date is taken by its month and day in whatever year it is looked up for: the rules
// by year already say to which year a rule belongs.
std::optional<std::int64_t> TransitionIn(const ZoneTransition& t, int year) {
    int day = t.day;
    if (t.year == 0) {
        if (t.day < 1 || t.day > 5 || t.dayOfWeek < 0 || t.dayOfWeek > 6) {
            return std::nullopt;
        }
        const auto first = LocalDateTime::FromParts({year, t.month, 1});
        if (!first) {
            return std::nullopt;
        }
        day = 1 + (t.dayOfWeek - first->Split().dayOfWeek + 7) % 7 + 7 * (t.day - 1);
        // A fifth such weekday that the month does not have means its last one.
        if (!LocalDateTime::FromParts({year, t.month, day})) {
            day -= 7;
        }
    }
    const auto moment = LocalDateTime::FromParts({year, t.month, day, t.hour, t.minute, t.second, t.milliseconds});
    if (!moment) {
        return std::nullopt;
    }
    return moment->Milliseconds();
}

int OffsetAt(const TimeZoneRules& zone, std::int64_t universal) {
    // Each year's rules hold for that year on the zone's standard clock, as Windows applies them;
    // a year whose rules change the bias is found from the rules of the universal year first.
    const ZoneYearRules& guess = zone.RulesFor(YearOf(universal));
    const int year = YearOf(universal - (guess.bias + guess.standardBias) * kMsPerMinute);
    const ZoneYearRules& rules = zone.RulesFor(year);
    const int standardOffset = -(rules.bias + rules.standardBias);
    const int daylightOffset = -(rules.bias + rules.daylightBias);
    if (rules.standardDate.month == 0 || rules.daylightDate.month == 0) {
        return standardOffset;
    }
    const auto begins = TransitionIn(rules.daylightDate, year);
    const auto ends = TransitionIn(rules.standardDate, year);
    if (!begins || !ends) {
        return standardOffset;
    }
    const std::int64_t beginsUniversal = *begins - standardOffset * kMsPerMinute;
    const std::int64_t endsUniversal = *ends - daylightOffset * kMsPerMinute;
    // South of the equator daylight saving time spans the turn of the year: it ends before it begins.
    const bool daylight = beginsUniversal <= endsUniversal ? universal >= beginsUniversal && universal < endsUniversal
                                                           : universal >= beginsUniversal || universal < endsUniversal;
    return daylight ? daylightOffset : standardOffset;
}

}  // namespace

const ZoneYearRules& TimeZoneRules::RulesFor(int year) const {
    if (years.empty()) {
        return rules;
    }
    const std::int64_t last = static_cast<std::int64_t>(years.size()) - 1;
    return years[static_cast<std::size_t>(std::clamp<std::int64_t>(std::int64_t{year} - firstYear, 0, last))];
}

int ZoneOffsetMinutes(const TimeZoneRules& zone, LocalDateTime universal) {
    return OffsetAt(zone, universal.Milliseconds());
}

std::optional<LocalDateTime> ZoneTimeFromUniversal(const TimeZoneRules& zone, LocalDateTime universal) {
    return LocalDateTime::FromMilliseconds(universal.Milliseconds() +
                                           OffsetAt(zone, universal.Milliseconds()) * kMsPerMinute);
}

std::optional<LocalDateTime> UniversalFromZoneTime(const TimeZoneRules& zone, LocalDateTime zoneTime) {
    const std::int64_t local = zoneTime.Milliseconds();
    // The clocks in force a day either side: no zone changes its clock twice within two days.
    const int before = OffsetAt(zone, local - kMsPerDay);
    const int after = OffsetAt(zone, local + kMsPerDay);
    // A time the clock shows twice is read first with the larger offset, which is the earlier moment.
    for (const int offset : {std::max(before, after), std::min(before, after)}) {
        const std::int64_t universal = local - offset * kMsPerMinute;
        if (OffsetAt(zone, universal) == offset) {
            return LocalDateTime::FromMilliseconds(universal);
        }
    }
    return LocalDateTime::FromMilliseconds(local - before * kMsPerMinute);
}

}  // namespace orvanta
