#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

inline constexpr int kMinutesPerDay = 24 * 60;
// The planner offers the working hours in half hours, and the settings file holds them so.
inline constexpr int kWorkingHoursStepMinutes = 30;

// The working day on each place's own clock, Monday to Friday, in minutes after midnight: from
// `startMinutes` up to but excluding `endMinutes`.
struct WorkingHours {
    int startMinutes = 9 * 60;
    int endMinutes = 17 * 60;

    // A day of at least one step that lies within one day, both ends on a step.
    bool Valid() const;
    friend bool operator==(const WorkingHours&, const WorkingHours&) = default;
};

// "HH:MM", 00:00 to 24:00, as the settings file keeps a time of the working day.
std::string WorkingTimeText(int minutes);
// The minutes of a "HH:MM" text (one or two hour digits, two minute digits, spaces around allowed);
// nothing for any other text or for a time beyond 24:00.
std::optional<int> ParseWorkingTime(std::string_view text);

// The working hours of two texts of the file; the defaults when either is missing, unreadable or off
// the half hours, or when the day they give is empty or reversed.
WorkingHours WorkingHoursOf(std::string_view startText, std::string_view endText);

}  // namespace orvanta
