#include "timetable/time_table.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "core/decimal_text.h"
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

TimeTableChoices TimeTableChoicesOf(std::string_view currentLocationCaption, const std::vector<Place>& otherPlaces) {
    TimeTableChoices choices;
    // The caption's own ":" (as in "Here :") separates it from the "0", which is what it shows.
    choices.texts.push_back(std::string(currentLocationCaption) + "0");
    choices.places.push_back(Place::FromEntry(choices.texts.front()).AtOffsetMinutes(0));
    for (const Place& place : otherPlaces) {
        choices.texts.push_back(place.Entry());
        choices.places.push_back(place);
    }
    return choices;
}

std::array<std::size_t, kTimeTableColumns> DefaultTimeTablePair(std::size_t choiceCount) {
    return {0, choiceCount > 1 ? 1u : 0u};
}

namespace {

double RequireHours(const Place& place, const ClockReading* reading) {
    const std::optional<double> hours = DifferenceHours(place, reading);
    if (!hours) {
        throw InvalidOffsetError(place.OffsetText());
    }
    return *hours;
}

}  // namespace

TimeTable Build_Time_Table(const Place& location1, const Place& location2) {
    const double offset1 = RequireHours(location1, nullptr);
    const double offset2 = RequireHours(location2, nullptr);
    TimeTable table;
    table[0] = {location1.Description(), location2.Description()};
    for (int row = 1; row < kTimeTableRows; ++row) {
        const double hour = row;
        table[row] = {Time_To_Clock_Text(hour), Time_To_Clock_Text(hour - offset1 + offset2)};
    }
    return table;
}

std::string Clock_Text_Of(int hour, int minute) {
    const int clockHour = hour % 12 == 0 ? 12 : hour % 12;
    std::string text = (clockHour < 10 ? " " : "") + std::to_string(clockHour) + ":" + (minute < 10 ? "0" : "") +
                       std::to_string(minute) + (hour < 12 ? " AM" : " PM");
    return text;
}

TimeTable Build_Zoned_Time_Table(const Place& location1,
                                 const Place& location2,
                                 const std::vector<TimeZoneRules>& zones,
                                 LocalDateTime universalNow,
                                 const LocalClockRules& local) {
    // Both offsets are checked before anything is shown, as the plain table checks them.
    const ClockReading now = ReadingAt(universalNow, local, zones);
    RequireHours(location1, &now);
    RequireHours(location2, &now);
    TimeTable table;
    table[0] = {location1.Description(), location2.Description()};

    std::optional<LocalDateTime> midnight;
    if (const auto there = PlaceTimeFromUniversal(location1, universalNow, local, zones)) {
        DateTimeParts today = there->Split();
        midnight = LocalDateTime::FromParts({today.year, today.month, today.day});
    }
    for (int row = 1; row < kTimeTableRows; ++row) {
        std::optional<LocalDateTime> time2;
        if (const auto time1 = midnight ? midnight->AddDays(row / kHoursPerDay) : std::nullopt) {
            if (const auto universal = UniversalFromPlaceTime(location1, *time1, local, zones)) {
                time2 = PlaceTimeFromUniversal(location2, *universal, local, zones);
            }
        }
        const DateTimeParts parts = time2 ? time2->Split() : DateTimeParts{};
        table[row] = {Time_To_Clock_Text(row), time2 ? Clock_Text_Of(parts.hour, parts.minute) : kUnknownClockText};
    }
    return table;
}

TimeTable BuildTimeTable(const Place& location1, const Place& location2, ZoneClocks& clocks) {
    if (!location1.FollowsZone() && !location2.FollowsZone()) {
        return Build_Time_Table(location1, location2);
    }
    const ClockReading now = ReadClocks(clocks, clocks.LocalNow());
    if (ZoneOf(location1, &now) == nullptr && ZoneOf(location2, &now) == nullptr) {
        return Build_Time_Table(location1, location2);
    }
    return Build_Zoned_Time_Table(location1, location2, *now.zones, now.universal,
                                  {clocks.LocalZone(), now.localBiasMinutes});
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
