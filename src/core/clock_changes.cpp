#include "core/clock_changes.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace orvanta {

namespace {

constexpr std::int64_t kMsPerMinute = 60'000;
constexpr std::int64_t kMsPerDay = 86'400'000;
// Steps of the search for a change: no zone changes its clock twice within them.
constexpr std::int64_t kSearchStepMs = 6 * 60 * kMsPerMinute;
constexpr int kDaysInAYear = 366;

int OffsetAt(const TimeZoneRules& zone, std::int64_t ms) {
    return ZoneOffsetMinutes(zone, *LocalDateTime::FromMilliseconds(ms));
}

std::string Plural(int count, const char* unit) {
    return std::to_string(count) + " " + unit + (count == 1 ? "" : "s");
}

// Whole days between two dates' midnights.
int DaysBetween(LocalDateTime from, LocalDateTime to) {
    return static_cast<int>(to.Milliseconds() / kMsPerDay - from.Milliseconds() / kMsPerDay);
}

std::string DayText(int days) {
    if (days == 1) {
        return "tomorrow";
    }
    if (days == -1) {
        return "yesterday";
    }
    return Plural(std::abs(days), "day") + (days > 0 ? " later" : " earlier");
}

}  // namespace

std::optional<LocalDateTime> ClockChange::ClockTimeBefore() const {
    return LocalDateTime::FromMilliseconds(universal.Milliseconds() + offsetBefore * kMsPerMinute);
}

std::optional<ClockChange> NextClockChange(const TimeZoneRules& zone, LocalDateTime after, LocalDateTime until) {
    const std::int64_t end = until.Milliseconds();
    std::int64_t low = after.Milliseconds();
    const int before = OffsetAt(zone, low);
    while (low < end) {
        std::int64_t high = std::min(low + kSearchStepMs, end);
        if (OffsetAt(zone, high) == before) {
            low = high;
            continue;
        }
        // The offset is `before` at low and another at high: halve down to the first millisecond of
        // the other.
        while (high - low > 1) {
            const std::int64_t middle = low + (high - low) / 2;
            (OffsetAt(zone, middle) == before ? low : high) = middle;
        }
        return ClockChange{*LocalDateTime::FromMilliseconds(high), before, OffsetAt(zone, high)};
    }
    return std::nullopt;
}

std::string DurationText(int minutes) {
    const int magnitude = std::abs(minutes);
    if (magnitude < 60) {
        return Plural(magnitude, "minute");
    }
    std::string text = Plural(magnitude / 60, "hour");
    if (magnitude % 60 != 0) {
        text += " " + Plural(magnitude % 60, "minute");
    }
    return text;
}

std::string ClockChangeText(const ClockChange& change) {
    const int minutes = change.offsetAfter - change.offsetBefore;
    return std::string("Clocks go ") + (minutes > 0 ? "forward " : "back ") + DurationText(minutes);
}

std::string ClockChangeAtText(const ClockChange& change, const RegionalFormats& formats) {
    const auto before = change.ClockTimeBefore();
    return ClockChangeText(change) + (before ? " at " + FormatShortTime(before->Split(), formats) : "");
}

std::vector<std::string> PlaceTooltipLines(const Place& place,
                                           const ClockReading& reading,
                                           const RegionalFormats& formats) {
    const TimeZoneRules* zone = ZoneOf(place, &reading);
    std::vector<std::string> lines{zone != nullptr ? zone->keyName : "Fixed offset"};

    const auto local =
        LocalDateTime::FromMilliseconds(reading.universal.Milliseconds() + reading.localBiasMinutes * kMsPerMinute);
    if (const std::optional<double> hours = DifferenceHours(place, &reading); hours && local) {
        const double minutes = std::round(*hours * 60.0);
        std::string line;
        if (minutes == 0.0) {
            line = "Same time as here";
        } else if (std::fabs(minutes) < 1e6) {
            line = DurationText(static_cast<int>(minutes)) + (minutes > 0 ? " ahead" : " behind");
        }
        if (const auto there = local->AddDays(*hours / 24.0); there && !line.empty()) {
            const int days = DaysBetween(*local, *there);
            lines.push_back(days == 0 ? line : line + ", " + DayText(days));
        }
    }

    if (zone != nullptr) {
        const auto yearLater = reading.universal.AddDays(kDaysInAYear);
        const auto change = yearLater ? NextClockChange(*zone, reading.universal, *yearLater) : std::nullopt;
        if (const auto before = change ? change->ClockTimeBefore() : std::nullopt) {
            lines.push_back(ClockChangeText(*change) + " on " + FormatLongDate(before->Split(), formats) + " at " +
                            FormatShortTime(before->Split(), formats));
        }
    }
    return lines;
}

}  // namespace orvanta
