#include "timetable/time_table.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "core/decimal_text.h"
#include "core/location_entry.h"
#include "core/replace_text.h"

namespace orvanta {

namespace {

constexpr double kHoursPerDay = 24.0;

// What the table shows for an hour value that is no number at all (an infinite sum of two huge
// offsets): the same mark the main window shows for a time it cannot work out.
constexpr const char* kUnknownClockText = " ?? ";

// Brings the hours into 0..24 with both ends included, as subtracting 24 while above 24 and then
// adding 24 while below 0 would: a positive whole multiple of 24 stays 24, a negative one becomes 0.
// fmod is exact, and so is each of those subtractions while the value is below 2^53, so the result
// is the same without a loop that would never end for a huge value.
double FoldIntoDay(double hours) {
    if (hours > kHoursPerDay) {
        const double rest = std::fmod(hours, kHoursPerDay);
        return rest == 0.0 ? kHoursPerDay : rest;
    }
    if (hours < 0.0) {
        const double rest = std::fmod(hours, kHoursPerDay);
        // The loop's last addition rounds a tiny negative rest up to 24, as this one does.
        return rest == 0.0 ? 0.0 : rest + kHoursPerDay;
    }
    return hours;
}

}  // namespace

InvalidOffsetError::InvalidOffsetError(std::string_view offsetText)
    : std::runtime_error(std::string("'").append(offsetText).append("' is not a valid floating point value")) {}

std::string Time_To_Clock_Text(double hours) {
    if (!std::isfinite(hours)) {
        return kUnknownClockText;
    }
    const double h = FoldIntoDay(hours);

    double clockHour = 12.0;
    const char* suffix = " AM";
    if (h > 0.0 && h < 12.0) {
        clockHour = h;
    } else if (h == 12.0) {
        suffix = " PM";
    } else if (h > 12.0 && h < kHoursPerDay) {
        clockHour = h - 12.0;
        suffix = " PM";
    }
    // Just after midnight or noon: "12.5", not "0.5".
    if (clockHour < 1.0) {
        clockHour += 12.0;
    }

    std::string text = ShortestDecimal(clockHour) + suffix;
    if (text.find('.') == std::string::npos && text.find(':') == std::string::npos) {
        text = Replace_Text(text, " ", ":00 ");
    }
    text = Replace_Text(text, ".5", ":30");
    text = Replace_Text(text, ".0", ":00");
    // A one-digit hour is padded so that the colons line up down the column.
    if (text.find(':') == 1) {
        text.insert(0, 1, ' ');
    }
    return text;
}

std::vector<std::string> TimeTableEntries(std::string_view currentLocationCaption,
                                          const std::vector<std::string>& otherLocations) {
    std::vector<std::string> entries;
    entries.reserve(otherLocations.size() + 1);
    // The caption's own ":" (as in "Here :") then separates it from an offset of 0.
    entries.push_back(std::string(currentLocationCaption) + "0");
    entries.insert(entries.end(), otherLocations.begin(), otherLocations.end());
    return entries;
}

std::array<std::string, kTimeTableColumns> DefaultTimeTablePair(const std::vector<std::string>& entries) {
    if (entries.empty()) {
        return {};
    }
    return {entries.front(), entries.size() > 1 ? entries[1] : entries.front()};
}

TimeTable Build_Time_Table(std::string_view location1Entry, std::string_view location2Entry) {
    const LocationEntryParts location1 = SplitLocationEntry(location1Entry);
    const LocationEntryParts location2 = SplitLocationEntry(location2Entry);
    const auto offset1 = ParseOffsetHours(location1.offsetText);
    if (!offset1) {
        throw InvalidOffsetError(location1.offsetText);
    }
    const auto offset2 = ParseOffsetHours(location2.offsetText);
    if (!offset2) {
        throw InvalidOffsetError(location2.offsetText);
    }

    TimeTable table;
    table[0] = {location1.description, location2.description};
    for (int row = 1; row < kTimeTableRows; ++row) {
        const double hour = row;
        table[row] = {Time_To_Clock_Text(hour), Time_To_Clock_Text(hour - *offset1 + *offset2)};
    }
    return table;
}

std::string Clock_Text_Of(int hour, int minute) {
    const int clockHour = hour % 12 == 0 ? 12 : hour % 12;
    std::string text = (clockHour < 10 ? " " : "") + std::to_string(clockHour) + ":" + (minute < 10 ? "0" : "") +
                       std::to_string(minute) + (hour < 12 ? " AM" : " PM");
    return text;
}

namespace {

constexpr double kMinutesPerDay = 24.0 * 60.0;

// The offset of a place at a fixed offset, in days; zone places need none.
double FixedOffsetDays(const TablePlace& place) {
    if (place.zone != nullptr) {
        return 0.0;
    }
    const LocationEntryParts parts = SplitLocationEntry(place.entry);
    const auto hours = ParseOffsetHours(parts.offsetText);
    if (!hours) {
        throw InvalidOffsetError(parts.offsetText);
    }
    return *hours / kHoursPerDay;
}

std::optional<LocalDateTime> PlaceTimeFromUniversal(const TablePlace& place,
                                                    double offsetDays,
                                                    LocalDateTime universal,
                                                    const LocalClockRules& local) {
    if (place.zone != nullptr) {
        return ZoneTimeFromUniversal(*place.zone, universal);
    }
    const auto localTime = local.zone != nullptr ? ZoneTimeFromUniversal(*local.zone, universal)
                                                 : universal.AddDays(local.biasMinutes / kMinutesPerDay);
    return localTime ? localTime->AddDays(offsetDays) : std::nullopt;
}

std::optional<LocalDateTime> UniversalFromPlaceTime(const TablePlace& place,
                                                    double offsetDays,
                                                    LocalDateTime placeTime,
                                                    const LocalClockRules& local) {
    if (place.zone != nullptr) {
        return UniversalFromZoneTime(*place.zone, placeTime);
    }
    const auto localTime = placeTime.AddDays(-offsetDays);
    if (!localTime) {
        return std::nullopt;
    }
    return local.zone != nullptr ? UniversalFromZoneTime(*local.zone, *localTime)
                                 : localTime->AddDays(-local.biasMinutes / kMinutesPerDay);
}

}  // namespace

TimeTable Build_Zoned_Time_Table(const TablePlace& place1,
                                 const TablePlace& place2,
                                 LocalDateTime universalNow,
                                 const LocalClockRules& local) {
    const double offset1 = FixedOffsetDays(place1);
    const double offset2 = FixedOffsetDays(place2);
    TimeTable table;
    table[0] = {SplitLocationEntry(place1.entry).description, SplitLocationEntry(place2.entry).description};

    std::optional<LocalDateTime> midnight;
    if (const auto there = PlaceTimeFromUniversal(place1, offset1, universalNow, local)) {
        DateTimeParts today = there->Split();
        midnight = LocalDateTime::FromParts({today.year, today.month, today.day});
    }
    for (int row = 1; row < kTimeTableRows; ++row) {
        std::optional<LocalDateTime> time2;
        if (const auto time1 = midnight ? midnight->AddDays(row / kHoursPerDay) : std::nullopt) {
            if (const auto universal = UniversalFromPlaceTime(place1, offset1, *time1, local)) {
                time2 = PlaceTimeFromUniversal(place2, offset2, *universal, local);
            }
        }
        const DateTimeParts parts = time2 ? time2->Split() : DateTimeParts{};
        table[row] = {Time_To_Clock_Text(row), time2 ? Clock_Text_Of(parts.hour, parts.minute) : kUnknownClockText};
    }
    return table;
}

std::string TimeTableClipboardText(const TimeTable& table) {
    std::string text;
    for (const auto& row : table) {
        text += row[0];
        text += '\t';
        text += row[1];
        text += "\r\n";
    }
    return text;
}

}  // namespace orvanta
