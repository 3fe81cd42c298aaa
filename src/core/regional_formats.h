#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/local_datetime.h"

namespace orvanta {

// The user's regional time and date conventions as far as the clock rows need them.
// A default-constructed value holds what the system uses when the regional settings supply nothing.
struct RegionalFormats {
    bool clock24Hour = false;
    bool hourLeadingZero = false;
    bool designatorFirst = false;  // "tt h:mm:ss" rather than "h:mm:ss tt"
    std::string amDesignator = "am";
    std::string pmDesignator = "pm";
    std::string timeSeparator = ":";
    // Windows picture syntax (d dd ddd dddd M MM MMM MMMM y yy yyyy, 'quoted text'); every "/" in it
    // stands for the date separator.
    std::string shortDatePicture = "M/d/yy";
    std::string longDatePicture = "dddd, MMMM d, yyyy";
    std::string dateSeparator = "/";
    std::array<std::string, 12> monthNames = {"January", "February", "March",     "April",   "May",      "June",
                                              "July",    "August",   "September", "October", "November", "December"};
    std::array<std::string, 12> shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 7> dayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};  // from Sunday
    std::array<std::string, 7> shortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
};

// Hours, minutes and seconds of the moment in the long time format: "1:05:09 pm", "13:05:09", "pm 1:05:09".
std::string FormatLongTime(const DateTimeParts& moment, const RegionalFormats& formats);

// Hours and minutes of the moment: "1:05 pm", "13:05", "pm 1:05".
std::string FormatShortTime(const DateTimeParts& moment, const RegionalFormats& formats);

// The date of the moment in a picture of Windows' syntax, with the regional names and separator.
// The year may lie beyond 9999, as a date chosen in the planner can.
std::string FormatDate(const DateTimeParts& moment, std::string_view picture, const RegionalFormats& formats);

// The date of the moment in the short date picture.
std::string FormatShortDate(const DateTimeParts& moment, const RegionalFormats& formats);
// ... and in the long one: "Sunday, October 25, 2026".
std::string FormatLongDate(const DateTimeParts& moment, const RegionalFormats& formats);

}  // namespace orvanta
